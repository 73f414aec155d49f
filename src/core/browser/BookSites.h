// The two web pages the browser opens for a reader who wants free books.
#pragma once

namespace qv {

// The search form of the Project Gutenberg catalogue.
constexpr const char* GutenbergSearchAddress = "https://www.gutenberg.org/ebooks/";
// The Online Books Page's list of archives and indexes of free books.
constexpr const char* DownloadBooksAddress = "https://onlinebooks.library.upenn.edu/archives.html";
constexpr const char* OpenSiteFailure = "Failed to open site.";

}  // namespace qv
