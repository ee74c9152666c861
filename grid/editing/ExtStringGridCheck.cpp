// The grid's cell checker base: values pass unchanged and the result stays OK.
#include "grid/editing/ExtStringGridCheck.h"

namespace grid {

TExtStringGridCheck::~TExtStringGridCheck() { SetGrid(nullptr); }

std::string TExtStringGridCheck::MarkError(int, int, const std::string& s)
{
    FLastResult = CheckResultOK;
    return s;
}

std::string TExtStringGridCheck::Correct(int, int, const std::string& s)
{
    FLastResult = CheckResultOK;
    return s;
}

void TExtStringGridCheck::SetGrid(rtl::TComponent* v)
{
    if (FGrid != nullptr) FGrid->RemoveFreeNotification(this);
    FGrid = v;
    if (v != nullptr) v->FreeNotification(this);
}

void TExtStringGridCheck::Notification(rtl::TComponent* AComponent, rtl::TOperation Operation)
{
    rtl::TComponent::Notification(AComponent, Operation);
    if (Operation == rtl::opRemove && AComponent == FGrid) FGrid = nullptr;
}

}  // namespace grid
