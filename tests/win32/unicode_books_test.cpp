// Books in UTF-8 and UTF-16 in the window: their characters in the control,
// the book information naming the encoding, search typed in the find edit,
// chapter captions, pieces whose boundary falls inside a character, saving in
// the book's encoding, and the words and links the book hands to programs.
#include <string>

#include "BookTestSupport.h"
#include "encoding/TextEncoding.h"

namespace qv::testing {
namespace {

// The control's own text as UTF-16, breaks as the single CR it keeps.
std::u16string ControlText(HWND box) {
  std::wstring text(8192, L'\0');
  GETTEXTEX gt{};
  gt.cb = DWORD(text.size() * sizeof(wchar_t));
  gt.flags = GT_DEFAULT;
  gt.codepage = 1200;
  const LRESULT got = SendMessageW(box, EM_GETTEXTEX, WPARAM(&gt), LPARAM(&text[0]));
  text.resize(size_t(got > 0 ? got : 0));
  return std::u16string(text.begin(), text.end());
}

std::u16string FirstLine(HWND box) {
  const std::u16string text = ControlText(box);
  return text.substr(0, text.find(u'\r'));
}

// Types UTF-16 units into a window as the keyboard's characters.
void Type(HWND window, const std::u16string& text) {
  for (char16_t unit : text) SendMessageW(window, WM_CHAR, WPARAM(unit), 0);
}

const std::string kEndMarker = "\r\n***** End of Book *****\r\n";

TEST(UnicodeBooks, EachEncodingShowsItsCharactersAndNamesIt) {
  TBookForms forms;
  auto& f = forms.F();
  const std::string unicode = "The Queen\xE2\x80\x99s \xE2\x80\x9Cgarden\xE2\x80\x9D \xCE\xA9 \xF0\x9F\x98\x80\r\nNext\r\n";
  const std::u16string unicodeLine = u"The Queen\u2019s \u201Cgarden\u201D \u03A9 \U0001F600";
  const struct {
    const char* name;
    std::string bytes;
    std::u16string firstLine;
    const char* info;  // what follows the folder in the book information's first line
  } cases[] = {
      {"mark.txt", EncodeText(unicode, TTextEncoding::Utf8Bom), unicodeLine, ", UTF-8 with BOM"},
      {"nomark.txt", EncodeText(unicode, TTextEncoding::Utf8), unicodeLine, ", UTF-8"},
      {"wide.txt", EncodeText(unicode, TTextEncoding::Utf16Le), unicodeLine, ", UTF-16 LE"},
      // Code page bytes that happen to spell UTF-8 ("Ã©") stay code page characters.
      {"ansi.txt", "Caf\xE9 Queen\x92s \xC3\xA9\r\nNext\r\n", u"Caf\u00E9 Queen\u2019s \u00C3\u00A9",
       ", Windows-1252 (Western)"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(f.Book.OpenBook(WriteTestFile(c.name, c.bytes), true)) << c.name;
    EXPECT_EQ(FirstLine(f.RichEdit.Handle()), c.firstLine) << c.name;
    const std::string info = "\"" + std::string(c.name) + "\" in \"testdata\"" + c.info + "\n";
    EXPECT_EQ(f.CurrentFileInfoLabel.Caption().rfind(info, 0), 0u) << f.CurrentFileInfoLabel.Caption();
  }
}

TEST(UnicodeBooks, TextTypedInTheFindEditIsFoundAsItsCharacters) {
  TBookForms forms;
  auto& f = forms.F();
  const std::string line = "caf\xC3\xA9, caf\xC3\x83\xC2\xA9 and the Queen\xE2\x80\x99s \xCE\xA9";
  ASSERT_TRUE(f.Book.OpenBook(WriteTestFile("find.txt", EncodeText(line + "\r\n", TTextEncoding::Utf8)), true));
  const struct {
    std::u16string typed;
    int32_t start, length;
  } cases[] = {
      {u"Queen\u2019s", 20, 7},
      {u"\u00C3\u00A9", 9, 2},  // "Ã©", not the "é" its code page bytes would spell as UTF-8
  };
  HWND edit = f.Book.Controls.FindTextEdit.Handle();
  for (const auto& c : cases) {
    SetWindowTextA(edit, "");
    Type(edit, c.typed);
    f.RichEdit.SetSelection(0, 0);
    WORD key = VK_F3;
    f.Book.KeyDown(key, 0);
    int32_t start = -1, length = -1;
    f.RichEdit.GetSelection(start, length);
    EXPECT_EQ(start, c.start) << f.Book.Controls.FindTextEdit.Text();
    EXPECT_EQ(length, c.length);
  }
}

TEST(UnicodeBooks, ChapterCaptionsShowTheirCharacters) {
  TBookForms forms;
  auto& f = forms.F();
  forms.UseFolderProfile("");  // enhanced: headings become chapters
  win::TPopupMenu* shown = nullptr;
  f.Text.ShowMenu = [&](win::TPopupMenu& menu, HWND, POINT) { shown = &menu; };
  ASSERT_TRUE(f.Book.OpenBook(WriteTestFile("chapters.txt", "\xEF\xBB\xBF" "Chapter 1 \xE2\x80\x93 Queen\xE2\x80\x99s \xCE\xA9\r\n\r\nText.\r\n"),
                              true));
  f.Text.Controls.ChaptersButton.Click();
  ASSERT_NE(shown, nullptr);
  ASSERT_EQ(shown->Count(), 1);
  wchar_t caption[64] = L"";
  GetMenuStringW(shown->Handle(), 0, caption, 64, MF_BYPOSITION);
  EXPECT_EQ(std::wstring(caption), L"Chapter 1 \u2013 Queen\u2019s \u03A9");
}

TEST(UnicodeBooks, PieceBoundariesInsideACharacterMoveToItsStart) {
  TBookForms forms;
  auto& f = forms.F();
  f.Book.Controls.PieceSize.Box.SetText("10000");
  // "é" first makes the book UTF-8; a "’" of three bytes holds each boundary of
  // piece 2's start (byte 9980) and piece 1's end (byte 10020).
  std::string bytes = "\xC3\xA9" + NumberedLines(500, 50).substr(2);
  bytes.replace(9979, 3, "\xE2\x80\x99");
  bytes.replace(10019, 3, "\xE2\x80\x99");
  ASSERT_TRUE(f.Book.OpenBook(WriteTestFile("pieces.txt", bytes), true));
  ASSERT_EQ(f.Book.Controls.PiecesComboBox.ItemCount(), 3);
  std::string text = f.RichEdit.GetText();
  EXPECT_EQ(text.find("\xEF\xBF\xBD"), std::string::npos);  // no character cut into U+FFFD
  // Piece 1 ends before the character its end falls in.
  EXPECT_NE(text.find(bytes.substr(10000, 19) + "\r\n\r\n***** End of Piece 1 / 3 *****"), std::string::npos);
  WORD key = VK_F6;
  f.Book.KeyDown(key, 0);
  ASSERT_EQ(f.Book.Controls.CurrentPiece(), 2);
  text = f.RichEdit.GetText();
  EXPECT_EQ(text.find("\xEF\xBF\xBD"), std::string::npos);
  // Piece 2 starts with the whole character its start falls in.
  EXPECT_EQ(text.rfind(bytes.substr(9979, 45), 0), 0u) << text.substr(0, 60);
  EXPECT_NE(f.CurrentFileInfoLabel.Caption().find(", UTF-8\n"), std::string::npos);
}

TEST(UnicodeBooks, AnEditedBookIsSavedInItsEncodingAndReopensAlike) {
  TBookForms forms;
  auto& f = forms.F();
  TAnsweringFileDialogs dialogs;
  const std::string body = "The Queen\xE2\x80\x99s caf\xC3\xA9\r\n\r\nLast line\r\n";
  const struct {
    TTextEncoding book;
    std::u16string typed;
    const char* typedUtf8;
    TTextEncoding saved;  // a code page book gaining characters it lacks becomes UTF-8 with a mark
  } cases[] = {
      {TTextEncoding::Utf8Bom, u"\u03A9 ", "\xCE\xA9 ", TTextEncoding::Utf8Bom},
      {TTextEncoding::Utf8, u"\u03A9 ", "\xCE\xA9 ", TTextEncoding::Utf8},
      {TTextEncoding::Utf16Le, u"\U0001F600 ", "\xF0\x9F\x98\x80 ", TTextEncoding::Utf16Le},
      {TTextEncoding::Windows1252, u"\u00E9 ", "\xC3\xA9 ", TTextEncoding::Windows1252},
      {TTextEncoding::Windows1252, u"\u03A9 ", "\xCE\xA9 ", TTextEncoding::Utf8Bom},
  };
  for (const auto& c : cases) {
    const std::string where = std::string(EncodingKey(c.book)) + " + " + c.typedUtf8;
    const std::string original = EncodeText(body, c.book);
    ASSERT_TRUE(f.Book.OpenBook(WriteTestFile("edit.txt", original), true)) << where;
    f.Book.Controls.AllowEditingCheckBox.SetChecked(true);
    f.Book.Controls.AllowEditingCheckBox.OnClick();
    f.RichEdit.SetFocus();
    f.RichEdit.SetSelection(0, 0);
    Type(f.RichEdit.Handle(), c.typed);
    const std::string shown = f.RichEdit.GetText();
    ASSERT_EQ(shown, c.typedUtf8 + body + kEndMarker) << where;

    const std::string saved = TestDirectory() + "saved.txt";
    DeleteFileA(saved.c_str());
    dialogs.answer = saved;
    forms.boxes.answers = {IDYES};  // saved without a paragraph prefix
    ASSERT_TRUE(f.Book.SaveFile()) << where;
    const std::string bytes = ReadWholeFile(saved);
    EXPECT_EQ(bytes, EncodeText(c.typedUtf8 + body, c.saved)) << where;  // the book without the end marker
    // In its own encoding the book's bytes after its mark come back unchanged.
    if (c.saved == c.book) {
      EXPECT_NE(bytes.find(original.substr(EncodeText("", c.book).size())), std::string::npos) << where;
    }
    // Rich text keeps every character too.
    const std::string rich = TestDirectory() + "saved.rtf";
    DeleteFileA(rich.c_str());
    dialogs.answer = rich;
    ASSERT_TRUE(f.Book.SaveFile()) << where;
    ASSERT_TRUE(f.Book.OpenBook(saved, true)) << where;
    EXPECT_EQ(f.RichEdit.GetText(), shown) << where;
    ASSERT_TRUE(f.Book.OpenBook(rich, true)) << where;
    EXPECT_EQ(f.RichEdit.GetText(), c.typedUtf8 + body) << where;
  }
}

TEST(UnicodeBooks, WordsAndLinksReachOtherProgramsInTheirCode) {
  TBookForms forms;
  auto& f = forms.F();
  TRecordingShell shell;
  // A word of 20 letters of three scripts (40 bytes of UTF-8) after a link with an accent.
  const std::string word = u8"àéèêëîïôöùжзийклмнΩΨ";
  ASSERT_TRUE(f.Book.OpenBook(WriteTestFile("words.txt", "http://example.org/caf\xC3\xA9 " + word + "\r\n"), true));
  f.Dictionary.Controls.DictionaryTitleEdit.SetText("C:\\Dict\\dict.exe");
  f.Dictionary.Controls.ClipboardForDicCheckBox.SetChecked(false);
  f.RichEdit.SetSelection(24, 20);
  f.Dictionary.RichEditDoubleClick();
  f.Book.LinkClick(0, 23);
  ASSERT_EQ(shell.requests.size(), 2u);
  EXPECT_EQ(shell.requests[0].Parameters, " " + word);  // every letter as it is, none as "?"
  EXPECT_EQ(shell.requests[1].File, "http://example.org/caf%C3%A9");
}

}  // namespace
}  // namespace qv::testing
