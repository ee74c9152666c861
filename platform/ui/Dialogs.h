// Dialogs: message boxes (recorded and answerable in tests) and the open and save file choosers.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/rtl/Component.h"
#include "platform/ui/Forms.h"

namespace ui {

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn : unsigned {
    mbYes = 1u << 0, mbNo = 1u << 1, mbOK = 1u << 2, mbCancel = 1u << 3, mbAbort = 1u << 4,
    mbRetry = 1u << 5, mbIgnore = 1u << 6, mbAll = 1u << 7, mbNoToAll = 1u << 8, mbYesToAll = 1u << 9,
    mbHelp = 1u << 10, mbClose = 1u << 11
};
using TMsgDlgButtons = unsigned;
constexpr TMsgDlgButtons mbYesNo = mbYes | mbNo;
constexpr TMsgDlgButtons mbYesNoCancel = mbYes | mbNo | mbCancel;
constexpr TMsgDlgButtons mbOKCancel = mbOK | mbCancel;
constexpr TMsgDlgButtons mbAbortRetryIgnore = mbAbort | mbRetry | mbIgnore;

// MessageBox flags and answers, with the platform's values.
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_ABORTRETRYIGNORE = 0x2;
constexpr unsigned MB_YESNOCANCEL = 0x3;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_RETRYCANCEL = 0x5;
constexpr unsigned MB_ICONERROR = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONWARNING = 0x30;
constexpr unsigned MB_ICONINFORMATION = 0x40;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// One message box as it was asked for, and the answer it got (a modal result).
struct TMessageBoxRecord {
    std::string Caption;
    std::string Text;
    TMsgDlgType Type = mtInformation;
    TMsgDlgButtons Buttons = mbOK;
    int Result = 0;
};

// Every message box shown since the log was last cleared.
std::vector<TMessageBoxRecord>& MessageBoxLog();
// An answerer replaces the window: it gets the request and returns the modal result.
// Without one, the real dialog window is shown; on the headless backend the first
// button's answer is taken and recorded.
void SetMessageBoxAnswerer(std::function<int(const TMessageBoxRecord&)> answerer);
// Called with each of our dialog windows once its modal loop runs: tests drive the
// dialog through real input from here.
void SetDialogShownHook(std::function<void(TCustomForm& dialog)> hook);

// The message dialog: text, icon by type, buttons; returns the modal result (mrYes …).
int MessageDlg(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons, int helpCtx = 0);
int MessageDlgCaption(const std::string& caption, const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons);
void ShowMessage(const std::string& msg);
// The platform's message box: returns IDOK, IDYES, …
int MessageBox(const std::string& text, const std::string& caption, unsigned flags);

enum TOpenOption : unsigned {
    ofReadOnly = 1u << 0, ofOverwritePrompt = 1u << 1, ofHideReadOnly = 1u << 2, ofNoChangeDir = 1u << 3,
    ofAllowMultiSelect = 1u << 9, ofExtensionDifferent = 1u << 10, ofPathMustExist = 1u << 11,
    ofFileMustExist = 1u << 12, ofCreatePrompt = 1u << 13, ofEnableSizing = 1u << 20
};
using TOpenOptions = unsigned;

// The open-file chooser: Title, Filter ("Description|*.ext;*.ext2|…"), FilterIndex
// (from 1), InitialDir (the program's path style), FileName, DefaultExt. Execute shows
// a window of our own built from the standard controls: folder, list of folders and
// matching files, name field, type box, Open and Cancel.
class TOpenDialog : public rtl::TComponent {
public:
    explicit TOpenDialog(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TOpenDialog"; }

    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& value) { FTitle = value; }
    const std::string& Filter() const { return FFilter; }
    void SetFilter(const std::string& value) { FFilter = value; }
    int FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int value) { FFilterIndex = value; }
    const std::string& InitialDir() const { return FInitialDir; }
    void SetInitialDir(const std::string& value) { FInitialDir = value; }
    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& value) { FFileName = value; }
    const std::string& DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const std::string& value) { FDefaultExt = value; }
    TOpenOptions Options() const { return FOptions; }
    void SetOptions(TOpenOptions value) { FOptions = value; }
    // The chosen files (one unless ofAllowMultiSelect).
    const std::vector<std::string>& Files() const { return FFiles; }

    // True when the user chose a file (FileName is then its full path).
    virtual bool Execute();

    // The filter's (description, masks) pairs.
    std::vector<std::pair<std::string, std::string>> FilterPairs() const;

    TNotifyEvent OnShow;
    TNotifyEvent OnClose;

protected:
    virtual bool IsSaveDialog() const { return false; }

private:
    std::string FTitle;
    std::string FFilter;
    int FFilterIndex = 1;
    std::string FInitialDir;
    std::string FFileName;
    std::string FDefaultExt;
    TOpenOptions FOptions = ofHideReadOnly | ofEnableSizing;
    std::vector<std::string> FFiles;
};

// The save-file chooser: the same window with a Save button; a name without extension
// gets DefaultExt; ofOverwritePrompt asks before an existing file is chosen.
class TSaveDialog : public TOpenDialog {
public:
    explicit TSaveDialog(rtl::TComponent* AOwner) : TOpenDialog(AOwner) {}
    std::string ClassName() const override { return "TSaveDialog"; }

protected:
    bool IsSaveDialog() const override { return true; }
};

// Runs a dialog form modally, calling the dialog hook once its loop runs.
TModalResult RunDialogForm(TCustomForm& dialog);

}  // namespace ui
