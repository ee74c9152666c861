// The headless driver: its command line, the start of the workbench without a display, and the run of the steps.
#include "app/Drive.h"

#include <charconv>
#include <deque>
#include <exception>
#include <memory>
#include <ostream>

#include "app/DriveSteps.h"
#include "app/Program.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Paths.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Forms.h"

namespace app {

const char* const DriveUsage =
    "usage: tolvek-drive [--dir DIR] [--decimal-separator C] STEP...\n"
    "steps:\n"
    "  set CONTROL.PROPERTY=VALUE\n"
    "  check CONTROL INDEX true|false\n"
    "  click CONTROL\n"
    "  get CONTROL.PROPERTY\n"
    "  choose CONTROL INDEX\n"
    "  dialog FILE\n"
    "  cancel-dialog\n"
    "  type CONTROL TEXT\n"
    "  key CONTROL KEY\n"
    "  activate FORM\n"
    "  save-picture CONTROL FILE\n"
    "  clipboard-put FILE\n"
    "  clipboard-get\n"
    "A control of another window is named through it: Form3.Edit2.\n";

namespace {

// The headless backend that also reports every error box as it is shown.
class TDriveBackend : public ui::THeadlessBackend {
public:
    // Nobody looks at the drive's windows: they are painted only when their pixels are read.
    explicit TDriveBackend(std::ostream& err) : FErr(err) { SetPaintOnDemand(true); }
    void ShowErrorBox(const std::string& title, const std::string& text) override
    {
        ui::THeadlessBackend::ShowErrorBox(title, text);
        FErr << "errorbox: " << text << std::endl;
    }

private:
    std::ostream& FErr;
};

// "Edit28.Text" → control "Edit28", property "Text". "Form3.Edit2.Text" gives
// control "Form3", property "Edit2.Text", which the run resolves to the
// control Edit2 of the window Form3 (the windows exist only then).
void SplitControlPath(const std::string& path, TDriveStep& step)
{
    auto dot = path.find('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 == path.size())
        throw rtl::Exception("Expected CONTROL.PROPERTY, got '" + path + "'");
    step.Control = path.substr(0, dot);
    step.Property = path.substr(dot + 1);
}

const std::string& NextArgument(const std::vector<std::string>& args, std::size_t& i, const std::string& what)
{
    if (i + 1 >= args.size()) throw rtl::Exception(args[i] + " needs " + what);
    return args[++i];
}

TDriveStep ParseStep(const std::vector<std::string>& args, std::size_t& i)
{
    TDriveStep step;
    const std::string& verb = args[i];
    if (verb == "set") {
        step.Kind = TDriveStep::skSet;
        const std::string& assignment = NextArgument(args, i, "CONTROL.PROPERTY=VALUE");
        auto eq = assignment.find('=');
        if (eq == std::string::npos) throw rtl::Exception("Expected CONTROL.PROPERTY=VALUE, got '" + assignment + "'");
        SplitControlPath(assignment.substr(0, eq), step);
        step.Value = assignment.substr(eq + 1);
    } else if (verb == "get") {
        step.Kind = TDriveStep::skGet;
        SplitControlPath(NextArgument(args, i, "CONTROL.PROPERTY"), step);
    } else if (verb == "click") {
        step.Kind = TDriveStep::skClick;
        step.Control = NextArgument(args, i, "CONTROL");
    } else if (verb == "check") {
        step.Kind = TDriveStep::skCheck;
        step.Control = NextArgument(args, i, "CONTROL INDEX true|false");
        const std::string& index = NextArgument(args, i, "INDEX true|false");
        auto [end, ec] = std::from_chars(index.data(), index.data() + index.size(), step.Index);
        if (ec != std::errc() || end != index.data() + index.size() || step.Index < 0)
            throw rtl::Exception("check: '" + index + "' is not an item index");
        step.Value = NextArgument(args, i, "true|false");
        if (step.Value != "true" && step.Value != "false")
            throw rtl::Exception("check: expected true or false, got '" + step.Value + "'");
    } else if (verb == "choose") {
        step.Kind = TDriveStep::skChoose;
        step.Control = NextArgument(args, i, "CONTROL INDEX");
        const std::string& index = NextArgument(args, i, "INDEX");
        auto [end, ec] = std::from_chars(index.data(), index.data() + index.size(), step.Index);
        if (ec != std::errc() || end != index.data() + index.size() || step.Index < 0)
            throw rtl::Exception("choose: '" + index + "' is not an item index");
    } else if (verb == "dialog") {
        step.Kind = TDriveStep::skDialog;
        step.Value = NextArgument(args, i, "FILE");
    } else if (verb == "cancel-dialog") {
        step.Kind = TDriveStep::skCancelDialog;
    } else if (verb == "type") {
        step.Kind = TDriveStep::skType;
        step.Control = NextArgument(args, i, "CONTROL TEXT");
        step.Value = NextArgument(args, i, "TEXT");
    } else if (verb == "key") {
        step.Kind = TDriveStep::skKey;
        step.Control = NextArgument(args, i, "CONTROL KEY");
        step.Value = NextArgument(args, i, "KEY");
    } else if (verb == "activate") {
        step.Kind = TDriveStep::skActivate;
        step.Control = NextArgument(args, i, "FORM");
    } else if (verb == "save-picture") {
        step.Kind = TDriveStep::skSavePicture;
        step.Control = NextArgument(args, i, "CONTROL FILE");
        step.Value = NextArgument(args, i, "FILE");
    } else if (verb == "clipboard-put") {
        step.Kind = TDriveStep::skClipboardPut;
        step.Value = NextArgument(args, i, "FILE");
    } else if (verb == "clipboard-get") {
        step.Kind = TDriveStep::skClipboardGet;
    } else {
        throw rtl::Exception("Unknown step '" + verb + "'");
    }
    return step;
}

// The answers of the dialog steps for the file dialogs that later steps open, in turn; an
// empty answer cancels.
using TDialogAnswers = std::deque<std::optional<std::string>>;

// Answers every file dialog shown while it lives from the queue; a dialog without an
// answer is cancelled, since no one could close it. Other dialog windows (message boxes)
// get their default button, as they do in a run without a display.
class TDialogAnswerScope {
public:
    TDialogAnswerScope(TDialogAnswers& answers, std::ostream& err)
    {
        ui::SetDialogShownHook([&answers, &err](ui::TCustomForm& dialog) {
            if (!DriveIsFileDialog(dialog)) {
                DriveAnswerOtherDialog(dialog);
                return;
            }
            std::optional<std::string> answer;
            if (answers.empty()) {
                err << "dialog: no answer given; cancelled" << std::endl;
            } else {
                answer = answers.front();
                answers.pop_front();
            }
            if (!DriveAnswerFileDialog(dialog, answer) && answer)
                err << "dialog: " << *answer << " was not taken; cancelled" << std::endl;
        });
    }
    ~TDialogAnswerScope() { ui::SetDialogShownHook(nullptr); }
    TDialogAnswerScope(const TDialogAnswerScope&) = delete;
    TDialogAnswerScope& operator=(const TDialogAnswerScope&) = delete;
};

void RunStep(const TDriveStep& step, rtl::TComponent* form, std::ostream& out, TDialogAnswers& answers)
{
    if (step.Kind == TDriveStep::skDialog || step.Kind == TDriveStep::skCancelDialog) {
        answers.push_back(step.Kind == TDriveStep::skDialog ? std::optional<std::string>(step.Value) : std::nullopt);
        return;
    }
    if (step.Kind == TDriveStep::skClipboardPut) {
        DriveClipboardPut(step.Value);
        return;
    }
    if (step.Kind == TDriveStep::skClipboardGet) {
        out << DriveClipboardGet();
        return;
    }
    rtl::TComponent* component = DriveFindComponent(form, step.Control);
    std::string property = step.Property;
    if (component != form && dynamic_cast<ui::TCustomForm*>(component) != nullptr) {
        // "Form3.Edit2.Text": the control Edit2 of the window Form3.
        const auto dot = property.find('.');
        if (dot != std::string::npos) {
            if (rtl::TComponent* control = component->FindComponent(property.substr(0, dot))) {
                component = control;
                property.erase(0, dot + 1);
            }
        }
    }
    switch (step.Kind) {
    case TDriveStep::skSet:
        DriveSetProperty(component, property, step.Value);
        break;
    case TDriveStep::skGet:
        out << DriveGetProperty(component, property) << std::endl;
        break;
    case TDriveStep::skCheck:
        DriveCheckItem(component, step.Index, step.Value == "true");
        break;
    case TDriveStep::skClick:
        DriveClick(component);
        break;
    case TDriveStep::skChoose:
        DriveChooseItem(component, step.Index);
        break;
    case TDriveStep::skType:
        DriveType(component, step.Value);
        break;
    case TDriveStep::skKey:
        DriveKey(component, step.Value);
        break;
    case TDriveStep::skActivate:
        DriveActivate(component);
        break;
    case TDriveStep::skSavePicture:
        DriveSavePicture(component, step.Value);
        break;
    case TDriveStep::skDialog:
    case TDriveStep::skCancelDialog:
    case TDriveStep::skClipboardPut:
    case TDriveStep::skClipboardGet:
        break;
    }
}

// The locale's separator as the drive asks for it: in the program's format settings and
// in the copy the number parsers use.
void UseDecimalSeparator(char separator)
{
    rtl::FormatSettings.DecimalSeparator = separator;
    if (rtl::FormatSettings.ThousandSeparator == separator)
        rtl::FormatSettings.ThousandSeparator = separator == ',' ? '.' : ',';
    DecimalSeparatorAtStart = separator;
}

}  // namespace

TDriveOptions ParseDriveArguments(const std::vector<std::string>& args)
{
    TDriveOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--dir") {
            options.Dir = NextArgument(args, i, "a folder");
        } else if (args[i] == "--decimal-separator") {
            const std::string& c = NextArgument(args, i, "one character");
            if (c.size() != 1) throw rtl::Exception("--decimal-separator needs one character, got '" + c + "'");
            options.DecimalSeparator = c[0];
        } else {
            options.Steps.push_back(ParseStep(args, i));
        }
    }
    return options;
}

int RunDrive(const TDriveOptions& options, std::ostream& out, std::ostream& err)
{
    if (!options.Dir.empty() && !rtl::SetCurrentDir(options.Dir)) {
        err << "error: cannot change to the folder " << options.Dir << std::endl;
        return 1;
    }
    ui::TApplication application;
    // With its backend set, the application needs no Initialize (which would pick the real
    // window backend): the drive then links no window system at all.
    application.SetBackend(std::make_unique<TDriveBackend>(err));
    TWorkbenchForms forms;
    try {
        forms = CreateWorkbenchForms(application);
    } catch (const std::exception& e) {
        err << "error: " << e.what() << std::endl;
        return 1;
    }
    // The locale is the only thing the start reads from the system; the drive names it.
    if (options.DecimalSeparator) UseDecimalSeparator(*options.DecimalSeparator);
    forms.MainForm->Show();
    application.ProcessMessages();
    if (application.ActiveForm() != forms.MainForm) application.ActivateForm(forms.MainForm);
    application.ProcessMessages();
    TDialogAnswers answers;
    TDialogAnswerScope answering(answers, err);
    for (const TDriveStep& step : options.Steps) {
        try {
            RunStep(step, forms.MainForm, out, answers);
            application.ProcessMessages();
        } catch (const std::exception& e) {
            err << "error: " << e.what() << std::endl;
            return 1;
        }
    }
    return 0;
}

int DriveMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    TDriveOptions options;
    try {
        options = ParseDriveArguments(args);
    } catch (const std::exception& e) {
        err << "error: " << e.what() << "\n" << DriveUsage;
        return 2;
    }
    return RunDrive(options, out, err);
}

}  // namespace app
