// The player's price books in the window, and the chain copied out of it: the commands of
// the window menu.
#include <string>

#include "base/cp1251.h"
#include "base/file_bytes.h"
#include "base/file_write.h"
#include "base/text_convert.h"
#include "calc/book_writer.h"
#include "calc/chain_copy.h"
#include "toolkit/clipboard.h"
#include "toolkit/file_dialog.h"
#include "toolkit/shortcuts.h"
#include "ui/main_form.h"
#include "ui/main_form_rows.h"

namespace {

constexpr std::size_t kShownProblems = 20;

const FileDialogArgs kBookFiles{.Title = {}, .FilterName = "Книги цен (*.txt)", .Pattern = "*.txt", .AllFilesName = "Все файлы"};

std::wstring FileName(const NativePath& path) {
    const std::wstring& full = path.Native();
    const std::size_t slash = full.find_last_of(L"\\/");
    return slash == std::wstring::npos ? full : full.substr(slash + 1);
}

// Before the window shows (a book given at start) the box stands on its own, in the taskbar.
void Tell(Form& window, const std::wstring& text, UINT icon) {
    HWND owner = IsWindowVisible(window.Window()) ? window.Window() : nullptr;
    MessageBoxW(owner, text.c_str(), Cp1251ToWide(main_form_rows::kMainCaption).c_str(),
                icon | MB_OK | (owner ? 0 : MB_TASKMODAL));
}

}  // namespace

void MainForm::AddMenuCommands() {
    Window->AddMenuCommand(kOpenBook, "Открыть книгу цен…\tCtrl+O");
    Window->AddMenuCommand(kSaveBook, "Сохранить цены в книгу…\tCtrl+S");
    Window->AddMenuCommand(kStopBook, "Не использовать книгу цен");
    Window->AddMenuCommand(kCopyChain, "Копировать расчет\tCtrl+C");
    Window->AddOwnedObject(std::make_unique<Shortcuts>(std::vector<Shortcut>{
        {'O', kOpenBook}, {'S', kSaveBook}, {'C', kCopyChain, true}}));
    UpdateMenuCommands();
}

void MainForm::UpdateMenuCommands() {
    const bool chosen = ChosenItem() >= 0;
    Window->EnableMenuCommand(kSaveBook, chosen);
    Window->EnableMenuCommand(kCopyChain, chosen);
    Window->EnableMenuCommand(kStopBook, book_.has_value());
}

void MainForm::RunMenuCommand(Form&, int command) {
    switch (command) {
        case kOpenBook: AskAndOpenBook(); break;
        case kSaveBook: AskAndSaveBook(); break;
        case kStopBook: StopUsingBook(); break;
        case kCopyChain: CopyChain(); break;
        default: break;
    }
}

void MainForm::TypeBook(ChainModel& model, PricedBy step) const {
    if (book_) TypeBookPrices(model, catalogue_, ChosenItem(), *book_, step);
}

bool MainForm::OpenBook(const NativePath& path) {
    const std::wstring name = FileName(path);
    FileReader reader(path);
    ByteBlock bytes;
    std::size_t size = 0;
    std::wstring problems;
    BookReading reading;
    if (!reader.IsOpen() || !reader.ReadAll(bytes, size)) {
        problems = name + Cp1251ToWide(": книга цен не найдена или не читается\r\n");
    } else {
        reading = ReadPriceBook({bytes.get(), size}, catalogue_.Wares, wareLines_);
        const std::size_t count = reading.Problems.size();
        for (std::size_t i = 0; i < count && i < kShownProblems; ++i)
            problems += name + L":" + Cp1251ToWide(IntToText(reading.Problems[i].Line)) + L": " +
                        Cp1251ToWide(reading.Problems[i].Message) + L"\r\n";
        if (count > kShownProblems)
            problems += Cp1251ToWide(FormatInts("и ещё %d.\r\n", static_cast<std::int32_t>(count - kShownProblems)));
    }
    if (!problems.empty()) {
        const char* after = book_ ? "Книга не открыта; в расчете остаются цены книги, открытой раньше."
                                  : "Книга не открыта.";
        Tell(*Window, path.Native() + L"\r\n\r\n" + problems + L"\r\n" + Cp1251ToWide(after), MB_ICONERROR);
        return false;
    }
    book_ = std::move(reading.Book);
    Window->ShowNameInTitle(name);
    if (ChosenItem() >= 0) {
        ChainModel model = ReadChain();
        TypeBook(model, PricedBy::Choice);
        WriteChain(model);
    }
    UpdateMenuCommands();
    return true;
}

void MainForm::OpenDroppedBook(Form&, const NativePath& path) { OpenBook(path); }

void MainForm::AskAndOpenBook() {
    FileDialogArgs args = kBookFiles;
    args.Title = "Открыть книгу цен";
    if (std::optional<NativePath> path = AskFileToOpen(*Window, args)) OpenBook(*path);
}

void MainForm::AskAndSaveBook() {
    const int item = ChosenItem();
    if (item < 0) return;
    FileDialogArgs args = kBookFiles;
    args.Title = "Сохранить цены в книгу";
    std::optional<NativePath> path = AskFileToSave(*Window, args);
    if (!path) return;
    const std::string text = ShownPricesBook(ReadChain(), catalogue_, item, wareLines_);
    const FileWrite result = WriteFileReplacing(*path, BookFileBytes(text));
    if (result != FileWrite::Written)
        Tell(*Window, path->Native() + L"\r\n\r\n" + Cp1251ToWide(std::string("Книга цен не записана: ") +
                                                                  FileWriteProblem(result) + "."),
             MB_ICONERROR);
}

// What is shown stays: only the buttons and the choice of factory write the game's prices
// from now on.
void MainForm::StopUsingBook() {
    book_.reset();
    Window->ShowNameInTitle({});
    UpdateMenuCommands();
}

void MainForm::CopyChain() {
    const int item = ChosenItem();
    if (item < 0) return;
    if (!CopyToClipboard(Window->Window(), ChainCopyText(ReadChain(), catalogue_, item)))
        Tell(*Window, Cp1251ToWide("Буфер обмена занят другой программой; попробуйте еще раз."), MB_ICONWARNING);
}
