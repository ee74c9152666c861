// Message dialogs: the dialog window with icon, text and buttons; recording and answering in tests.
#include <algorithm>

#include "platform/ui/Dialogs.h"
#include "platform/ui/StdCtrls.h"

namespace ui {

namespace {

constexpr UINT DialogShownMessage = WM_USER + 0x7E1;

std::function<int(const TMessageBoxRecord&)>& Answerer()
{
    static std::function<int(const TMessageBoxRecord&)> answerer;
    return answerer;
}

std::function<void(TCustomForm&)>& ShownHook()
{
    static std::function<void(TCustomForm&)> hook;
    return hook;
}

struct TButtonKind {
    TMsgDlgBtn Button;
    const char* Caption;
    TModalResult Result;
};

const TButtonKind ButtonKinds[] = {
    {mbYes, "Yes", mrYes},       {mbNo, "No", mrNo},           {mbOK, "OK", mrOk},
    {mbCancel, "Cancel", mrCancel}, {mbAbort, "Abort", mrAbort}, {mbRetry, "Retry", mrRetry},
    {mbIgnore, "Ignore", mrIgnore}, {mbAll, "All", mrAll},     {mbNoToAll, "No to All", mrNoToAll},
    {mbYesToAll, "Yes to All", mrYesToAll}, {mbHelp, "Help", mrNone}, {mbClose, "Close", mrClose},
};

std::string TypeCaption(TMsgDlgType type)
{
    switch (type) {
    case mtWarning: return "Warning";
    case mtError: return "Error";
    case mtInformation: return "Information";
    case mtConfirmation: return "Confirm";
    case mtCustom: break;
    }
    TApplication* app = Application();
    return app != nullptr ? app->Title() : std::string();
}

// The icon of a message dialog: a coloured disc with a sign.
class TDialogIcon : public TGraphicControl {
public:
    TDialogIcon(rtl::TComponent* owner, TMsgDlgType type) : TGraphicControl(owner), FType(type)
    {
        SetBounds(0, 0, 32, 32);
    }

protected:
    void Paint() override
    {
        gfx::TCanvas& c = Canvas();
        gfx::TColor fill = FType == mtError ? gfx::clRed : FType == mtWarning ? gfx::clYellow : gfx::clBlue;
        const char* sign = FType == mtError ? "×" : FType == mtWarning ? "!" : FType == mtConfirmation ? "?" : "i";
        c.Brush().SetStyle(gfx::bsSolid);
        c.Brush().SetColor(fill);
        c.Pen().SetColor(gfx::clBlack);
        c.Ellipse(0, 0, 32, 32);
        c.Font().SetName("Times New Roman");
        c.Font().SetHeight(-22);
        c.Font().SetStyle(gfx::TFontStyles{gfx::fsBold});
        c.Font().SetColor(FType == mtWarning ? gfx::clBlack : gfx::clWhite);
        c.Brush().SetStyle(gfx::bsClear);
        rtl::TRect r = ClientRect();
        c.DrawText(sign, r, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
    }

private:
    TMsgDlgType FType;
};

bool HeadlessWithoutHook()
{
    TApplication* app = Application();
    return !ShownHook() && (app == nullptr || !app->HasBackend() || app->Backend().Name() == "headless");
}

TModalResult FirstResult(TMsgDlgButtons buttons)
{
    for (const TButtonKind& k : ButtonKinds) {
        if ((buttons & k.Button) && k.Result != mrNone) return k.Result;
    }
    return mrOk;
}

TModalResult ShowDialogWindow(const TMessageBoxRecord& request)
{
    TForm dialog(nullptr);
    dialog.SetName("MessageDialog");
    dialog.SetBorderStyle(bsDialog);
    dialog.SetPosition(poScreenCenter);
    dialog.SetCaption(request.Caption);
    dialog.SetColor(gfx::clBtnFace);
    bool hasIcon = request.Type != mtCustom;
    int left = 12;
    if (hasIcon) {
        auto* icon = new TDialogIcon(&dialog, request.Type);
        icon->SetParent(&dialog);
        icon->SetBounds(12, 12, 32, 32);
        left = 56;
    }
    auto* text = new TLabel(&dialog);
    text->SetName("Message");
    text->SetParent(&dialog);
    text->SetWordWrap(true);
    text->SetBounds(left, 14, 360, 13);
    text->SetCaption(request.Text);
    std::vector<TButton*> buttons;
    for (const TButtonKind& k : ButtonKinds) {
        if (!(request.Buttons & k.Button)) continue;
        auto* b = new TButton(&dialog);
        b->SetParent(&dialog);
        b->SetName(std::string(k.Caption) == "No to All" ? "NoToAll" : std::string(k.Caption) == "Yes to All" ? "YesToAll"
                                                                                                            : k.Caption);
        b->SetCaption(k.Caption);
        b->SetModalResult(k.Result);
        buttons.push_back(b);
    }
    if (buttons.empty()) return mrNone;
    buttons.front()->SetDefault(true);
    // Escape answers Cancel, else No, else OK.
    for (TMsgDlgBtn kind : {mbCancel, mbNo, mbOK}) {
        auto it = std::find_if(buttons.begin(), buttons.end(),
                               [&](TButton* b) { return b->ModalResult() == FirstResult(kind); });
        if (it != buttons.end()) {
            (*it)->SetCancel(true);
            break;
        }
    }
    int textWidth = std::max(text->Width(), 100);
    int textBottom = std::max(14 + text->Height(), hasIcon ? 44 : 0);
    int rowWidth = static_cast<int>(buttons.size()) * 81 - 6;
    int clientWidth = std::max(left + textWidth + 12, rowWidth + 24);
    int top = textBottom + 16;
    int x = (clientWidth - rowWidth) / 2;
    for (TButton* b : buttons) {
        b->SetBounds(x, top, 75, 25);
        x += 81;
    }
    dialog.SetClientWidth(clientWidth);
    dialog.SetClientHeight(top + 25 + 12);
    dialog.SetActiveControl(buttons.front());
    TModalResult result = RunDialogForm(dialog);
    return result == mrNone ? mrCancel : result;
}

}  // namespace

std::vector<TMessageBoxRecord>& MessageBoxLog()
{
    static std::vector<TMessageBoxRecord> log;
    return log;
}

void SetMessageBoxAnswerer(std::function<int(const TMessageBoxRecord&)> answerer)
{
    Answerer() = std::move(answerer);
}

void SetDialogShownHook(std::function<void(TCustomForm& dialog)> hook)
{
    ShownHook() = std::move(hook);
}

TModalResult RunDialogForm(TCustomForm& dialog)
{
    auto original = dialog.WindowProc;
    TCustomForm* self = &dialog;
    dialog.WindowProc = [self, original](TMessage& m) {
        if (m.Msg == DialogShownMessage) {
            if (ShownHook()) ShownHook()(*self);
            return;
        }
        original(m);
    };
    PostMessage(dialog.Handle(), DialogShownMessage, 0, 0);
    struct TRestore {
        TCustomForm* Form;
        std::function<void(TMessage&)> Proc;
        ~TRestore() { Form->WindowProc = Proc; }
    } restore{self, original};
    return dialog.ShowModal();
}

int MessageDlgCaption(const std::string& caption, const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons)
{
    TMessageBoxRecord request;
    request.Caption = caption;
    request.Text = msg;
    request.Type = type;
    request.Buttons = buttons == 0 ? static_cast<TMsgDlgButtons>(mbOK) : buttons;
    if (Answerer()) request.Result = Answerer()(request);
    else if (HeadlessWithoutHook()) request.Result = FirstResult(request.Buttons);
    else request.Result = ShowDialogWindow(request);
    MessageBoxLog().push_back(request);
    return request.Result;
}

int MessageDlg(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons, int /*helpCtx*/)
{
    return MessageDlgCaption(TypeCaption(type), msg, type, buttons);
}

void ShowMessage(const std::string& msg)
{
    MessageDlgCaption(TypeCaption(mtCustom), msg, mtCustom, mbOK);
}

int MessageBox(const std::string& text, const std::string& caption, unsigned flags)
{
    TMsgDlgButtons buttons = mbOK;
    switch (flags & 0xF) {
    case MB_OKCANCEL: buttons = mbOKCancel; break;
    case MB_ABORTRETRYIGNORE: buttons = mbAbortRetryIgnore; break;
    case MB_YESNOCANCEL: buttons = mbYesNoCancel; break;
    case MB_YESNO: buttons = mbYesNo; break;
    case MB_RETRYCANCEL: buttons = mbRetry | mbCancel; break;
    default: break;
    }
    TMsgDlgType type = mtCustom;
    switch (flags & 0xF0) {
    case MB_ICONERROR: type = mtError; break;
    case MB_ICONQUESTION: type = mtConfirmation; break;
    case MB_ICONWARNING: type = mtWarning; break;
    case MB_ICONINFORMATION: type = mtInformation; break;
    default: break;
    }
    // Modal results and the box's answers share their numbers.
    return MessageDlgCaption(caption, text, type, buttons);
}

}  // namespace ui
