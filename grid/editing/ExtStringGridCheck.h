// The grid's cell checker: a component that corrects and marks cell values; the base passes them through.
#pragma once

#include <string>

#include "platform/rtl/Component.h"

namespace grid {

// The modal results a checker reports in LastResult.
constexpr int CheckResultOK = 1;
constexpr int CheckResultCancel = 2;

// The grid asks it while validating an edit (Correct when AutoCorrect, MarkError when
// AutoMarkError) and over a run of cells (StartCheck, then per cell Correct when UseCorrect
// and MarkError when UseMarkError, stopping once LastResult is no longer OK, then
// StopCheck). Descendants supply the checks.
class TExtStringGridCheck : public rtl::TComponent {
public:
    explicit TExtStringGridCheck(rtl::TComponent* AOwner) : rtl::TComponent(AOwner) {}
    ~TExtStringGridCheck() override;
    std::string ClassName() const override { return "TExtStringGridCheck"; }

    virtual std::string MarkError(int ACol, int ARow, const std::string& s);
    virtual std::string Correct(int ACol, int ARow, const std::string& s);
    virtual void StartCheck() {}  // nothing to prepare in the base
    virtual void StopCheck() {}   // nothing to finish in the base

    bool GotoCell() const { return FGotoCell; }
    void SetGotoCell(bool v) { FGotoCell = v; }
    bool AutoCorrect() const { return FAutoCorrect; }
    void SetAutoCorrect(bool v) { FAutoCorrect = v; }
    bool AutoMarkError() const { return FAutoMarkError; }
    void SetAutoMarkError(bool v) { FAutoMarkError = v; }
    bool UseCorrect() const { return FUseCorrect; }
    void SetUseCorrect(bool v) { FUseCorrect = v; }
    bool UseMarkError() const { return FUseMarkError; }
    void SetUseMarkError(bool v) { FUseMarkError = v; }
    // The grid checked; cleared when that component goes away.
    rtl::TComponent* Grid() const { return FGrid; }
    void SetGrid(rtl::TComponent* v);
    int LastResult() const { return FLastResult; }
    void SetLastResult(int v) { FLastResult = v; }

protected:
    void Notification(rtl::TComponent* AComponent, rtl::TOperation Operation) override;

private:
    bool FGotoCell = false;
    bool FAutoCorrect = false;
    bool FAutoMarkError = false;
    bool FUseCorrect = false;
    bool FUseMarkError = false;
    rtl::TComponent* FGrid = nullptr;
    int FLastResult = CheckResultOK;
};

}  // namespace grid
