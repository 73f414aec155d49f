// The reader's data folder for this run (store/DataFolder.h): chosen, and the
// user's folder prepared, at the first call; the same answer afterwards.
#pragma once
#include <string>

#include "store/DataFolder.h"

namespace qv::win {

const TDataFolder& ReaderDataFolder();
// Its path, with a trailing back-slash.
std::string DataDirectory();
// The user's own folder for the reader (%APPDATA%\Quenvalis\), whether in use or not; "" when none.
std::string UserDataDirectory();

}  // namespace qv::win
