// The open and save file choosers: a dialog window of our own listing folders and matching files.
#include <algorithm>
#include <filesystem>

#include "platform/rtl/Paths.h"
#include "platform/rtl/StrUtils.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/StdCtrls.h"

namespace ui {

namespace {

namespace fs = std::filesystem;

bool HasWildcard(const std::string& s)
{
    return s.find_first_of("*?") != std::string::npos;
}

bool MatchesAny(const std::string& name, const std::string& masks)
{
    std::size_t start = 0;
    while (start <= masks.size()) {
        std::size_t end = masks.find(';', start);
        if (end == std::string::npos) end = masks.size();
        std::string mask = rtl::Trim(masks.substr(start, end - start));
        if (!mask.empty() && rtl::MatchesMask(name, mask)) return true;
        start = end + 1;
    }
    return false;
}

// The chooser window. Names of its controls: FolderEdit, UpButton, FileList,
// FileNameEdit, TypeCombo, OkButton, CancelButton.
class TFileDialogForm : public TForm {
public:
    TFileDialogForm(TOpenDialog& dialog, bool save) : TForm(nullptr), FDialog(dialog), FSave(save)
    {
        SetName("FileDialog");
        SetBorderStyle(bsDialog);
        SetPosition(poScreenCenter);
        SetColor(gfx::clBtnFace);
        SetCaption(!dialog.Title().empty() ? dialog.Title() : save ? "Save As" : "Open");
        SetClientWidth(460);
        SetClientHeight(292);
        AddLabel("Look in:", 8, 12);
        FFolder = Add<TEdit>("FolderEdit", 84, 8, 286, 21);
        FFolder->SetReadOnly(true);
        FUp = Add<TButton>("UpButton", 378, 7, 75, 23);
        FUp->SetCaption("Up");
        FUp->OnClick = [this](rtl::TObject*) { Navigate(fs::path(FDir).parent_path().string()); };
        FList = Add<TListBox>("FileList", 8, 38, 445, 178);
        FList->OnClick = [this](rtl::TObject*) { ListClicked(); };
        FList->OnDblClick = [this](rtl::TObject*) { ListDoubleClicked(); };
        AddLabel("File name:", 8, 229);
        FName = Add<TEdit>("FileNameEdit", 84, 225, 286, 21);
        AddLabel("Files of type:", 8, 261);
        FType = Add<TComboBox>("TypeCombo", 84, 257, 286, 21);
        FType->SetStyle(csDropDownList);
        for (const auto& [description, masks] : dialog.FilterPairs()) FType->Items().Add(description);
        if (FType->Items().Count() == 0) FType->Items().Add("All files");
        FType->SetItemIndex(std::clamp(dialog.FilterIndex() - 1, 0, FType->Items().Count() - 1));
        FType->OnChange = [this](rtl::TObject*) { Refill(); };
        FOk = Add<TButton>("OkButton", 378, 224, 75, 25);
        FOk->SetCaption(save ? "Save" : "Open");
        FOk->SetDefault(true);
        FOk->OnClick = [this](rtl::TObject*) { Accept(); };
        auto* cancel = Add<TButton>("CancelButton", 378, 256, 75, 25);
        cancel->SetCaption("Cancel");
        cancel->SetCancel(true);
        cancel->SetModalResult(mrCancel);

        std::string start = dialog.InitialDir().empty() ? std::string() : rtl::MapPath(dialog.InitialDir());
        std::string given = dialog.FileName();
        if (start.empty() && !rtl::ExtractFilePath(given).empty()) start = rtl::MapPath(rtl::ExtractFileDir(given));
        if (start.empty() || !rtl::DirectoryExists(start)) start = fs::current_path().string();
        Navigate(fs::absolute(start).lexically_normal().string());
        FName->SetText(rtl::ExtractFileName(given));
        SetActiveControl(FName);
    }
    std::string ClassName() const override { return "TFileDialogForm"; }
    const std::string& Result() const { return FResult; }
    const std::string& Dir() const { return FDir; }

private:
    template <typename T>
    T* Add(const std::string& name, int left, int top, int width, int height)
    {
        auto* c = new T(this);
        c->SetName(name);
        c->SetParent(this);
        c->SetBounds(left, top, width, height);
        return c;
    }
    void AddLabel(const std::string& caption, int left, int top)
    {
        auto* l = new TLabel(this);
        l->SetParent(this);
        l->SetLeft(left);
        l->SetTop(top);
        l->SetCaption(caption);
    }
    std::string Masks() const
    {
        auto pairs = FDialog.FilterPairs();
        int i = FType->ItemIndex();
        if (!FMaskOverride.empty()) return FMaskOverride;
        return i >= 0 && i < static_cast<int>(pairs.size()) ? pairs[i].second : std::string("*.*");
    }
    void Navigate(const std::string& dir)
    {
        if (dir.empty() || !fs::is_directory(dir)) return;
        FDir = fs::path(dir).lexically_normal().string();
        if (FDir.size() > 1 && FDir.back() == '/') FDir.pop_back();
        FFolder->SetText(FDir);
        Refill();
    }
    void Refill()
    {
        FEntries.clear();
        std::vector<std::string> dirs;
        std::vector<std::string> files;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(FDir, ec)) {
            std::string name = entry.path().filename().string();
            if (entry.is_directory(ec)) dirs.push_back(name);
            else if (MatchesAny(name, Masks())) files.push_back(name);
        }
        auto byText = [](const std::string& a, const std::string& b) { return rtl::CompareText(a, b) < 0; };
        std::sort(dirs.begin(), dirs.end(), byText);
        std::sort(files.begin(), files.end(), byText);
        FList->Items().BeginUpdate();
        FList->Items().Clear();
        if (fs::path(FDir).has_parent_path() && fs::path(FDir) != fs::path(FDir).root_path()) {
            FList->Items().Add("[..]");
            FEntries.push_back({"..", true});
        }
        for (const std::string& d : dirs) {
            FList->Items().Add("[" + d + "]");
            FEntries.push_back({d, true});
        }
        for (const std::string& f : files) {
            FList->Items().Add(f);
            FEntries.push_back({f, false});
        }
        FList->Items().EndUpdate();
    }
    void ListClicked()
    {
        int i = FList->ItemIndex();
        if (i < 0 || i >= static_cast<int>(FEntries.size()) || FEntries[i].Folder) return;
        FName->SetText(FEntries[i].Name);
    }
    void ListDoubleClicked()
    {
        int i = FList->ItemIndex();
        if (i < 0 || i >= static_cast<int>(FEntries.size())) return;
        if (FEntries[i].Folder) {
            Navigate(FEntries[i].Name == ".." ? fs::path(FDir).parent_path().string()
                                              : (fs::path(FDir) / FEntries[i].Name).string());
            return;
        }
        FName->SetText(FEntries[i].Name);
        Accept();
    }
    void Accept()
    {
        std::string name = rtl::Trim(FName->Text());
        if (name.empty()) return;
        if (HasWildcard(name)) {
            // A pattern typed as the name lists the files it matches.
            FMaskOverride = name;
            Refill();
            return;
        }
        FMaskOverride.clear();
        bool absolute = name[0] == '/' || name[0] == '\\' || (name.size() > 1 && name[1] == ':');
        std::string path = absolute ? rtl::MapPath(name) : (fs::path(FDir) / rtl::StringReplace(name, "\\", "/", rtl::rfReplaceAll)).string();
        if (rtl::DirectoryExists(path)) {
            Navigate(path);
            FName->SetText("");
            return;
        }
        if (rtl::ExtractFileExt(path).empty() && !FDialog.DefaultExt().empty()) {
            std::string ext = FDialog.DefaultExt();
            if (ext[0] != '.') ext = "." + ext;
            if (FSave || !rtl::FileExists(path)) path += ext;
        }
        TOpenOptions options = FDialog.Options();
        std::string folder = fs::path(path).parent_path().string();
        if (!folder.empty() && !rtl::DirectoryExists(folder)) {
            MessageDlgCaption(Caption(), path + "\nPath does not exist.\nCheck the path and try again.", mtWarning, mbOK);
            return;
        }
        if (!FSave && (options & ofFileMustExist) && !rtl::FileExists(path)) {
            MessageDlgCaption(Caption(), path + "\nFile not found.\nCheck the file name and try again.", mtWarning, mbOK);
            return;
        }
        if (FSave && (options & ofOverwritePrompt) && rtl::FileExists(path)) {
            if (MessageDlgCaption(Caption(), path + " already exists.\nDo you want to replace it?", mtWarning, mbYesNo) !=
                mrYes)
                return;
        }
        FResult = fs::path(path).lexically_normal().string();
        SetModalResult(mrOk);
    }

    struct TEntry {
        std::string Name;
        bool Folder = false;
    };
    TOpenDialog& FDialog;
    bool FSave;
    std::string FDir;
    std::string FResult;
    std::string FMaskOverride;
    std::vector<TEntry> FEntries;
    TEdit* FFolder = nullptr;
    TButton* FUp = nullptr;
    TListBox* FList = nullptr;
    TEdit* FName = nullptr;
    TComboBox* FType = nullptr;
    TButton* FOk = nullptr;
};

}  // namespace

TOpenDialog::TOpenDialog(rtl::TComponent* AOwner) : rtl::TComponent(AOwner) {}

std::vector<std::pair<std::string, std::string>> TOpenDialog::FilterPairs() const
{
    std::vector<std::pair<std::string, std::string>> pairs;
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= FFilter.size() && !FFilter.empty()) {
        std::size_t end = FFilter.find('|', start);
        if (end == std::string::npos) end = FFilter.size();
        parts.push_back(FFilter.substr(start, end - start));
        start = end + 1;
    }
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) pairs.emplace_back(parts[i], parts[i + 1]);
    if (parts.size() % 2 == 1 && !parts.back().empty()) pairs.emplace_back(parts.back(), parts.back());
    return pairs;
}

bool TOpenDialog::Execute()
{
    TFileDialogForm form(*this, IsSaveDialog());
    if (OnShow) OnShow(this);
    TModalResult result = RunDialogForm(form);
    if (OnClose) OnClose(this);
    if (result != mrOk || form.Result().empty()) return false;
    FFileName = form.Result();
    FFiles = {FFileName};
    FFilterIndex = form.FindComponent("TypeCombo") != nullptr
                       ? static_cast<TComboBox*>(form.FindComponent("TypeCombo"))->ItemIndex() + 1
                       : FFilterIndex;
    return true;
}

}  // namespace ui
