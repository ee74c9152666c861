// TComponent: ownership, names, state flags and free notifications.
#include "platform/rtl/Component.h"

#include <algorithm>
#include <cctype>

#include "platform/rtl/Exceptions.h"

namespace rtl {

namespace {

bool SameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

void EraseOne(std::vector<TComponent*>& list, TComponent* item)
{
    auto it = std::find(list.begin(), list.end(), item);
    if (it != list.end()) list.erase(it);
}

}  // namespace

bool IsValidIdent(const std::string& name)
{
    if (name.empty()) return false;
    auto c0 = static_cast<unsigned char>(name[0]);
    if (!std::isalpha(c0) && c0 != '_') return false;
    for (unsigned char c : name) {
        if (!std::isalnum(c) && c != '_') return false;
    }
    return true;
}

TComponent::TComponent(TComponent* AOwner)
{
    if (AOwner != nullptr) AOwner->InsertComponent(this);
}

TComponent::~TComponent()
{
    Destroying();
    // Tell everyone who asked; each may call back RemoveFreeNotification.
    while (!FFreeNotifies.empty()) {
        TComponent* other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        EraseOne(other->FFreeNotifies, this);
        other->Notification(this, opRemove);
    }
    DestroyComponents();
    if (FOwner != nullptr) FOwner->RemoveComponent(this);
}

TComponent* TComponent::Components(int index) const
{
    if (index < 0 || index >= ComponentCount()) RaiseListIndexError(index);
    return FComponents[static_cast<size_t>(index)];
}

int TComponent::ComponentIndex() const
{
    if (FOwner == nullptr) return -1;
    auto& list = FOwner->FComponents;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TComponent::InsertComponent(TComponent* AComponent)
{
    if (AComponent->FOwner != nullptr) AComponent->FOwner->RemoveComponent(AComponent);
    ValidateRename(AComponent, "", AComponent->FName);
    Insert(AComponent);
    Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent)
{
    Notification(AComponent, opRemove);
    Remove(AComponent);
}

void TComponent::Insert(TComponent* AComponent)
{
    FComponents.push_back(AComponent);
    ++FComponentsChanges;
    AComponent->FOwner = this;
}

void TComponent::Remove(TComponent* AComponent)
{
    EraseOne(FComponents, AComponent);
    ++FComponentsChanges;
    AComponent->FOwner = nullptr;
}

void TComponent::DestroyComponents()
{
    while (!FComponents.empty()) {
        TComponent* instance = FComponents.back();
        Remove(instance);
        delete instance;
    }
}

TComponent* TComponent::FindComponent(const std::string& AName) const
{
    if (AName.empty()) return nullptr;
    for (TComponent* c : FComponents) {
        if (SameName(c->FName, AName)) return c;
    }
    return nullptr;
}

void TComponent::SetName(const std::string& NewName)
{
    if (FName == NewName) return;
    if (!NewName.empty() && !IsValidIdent(NewName))
        throw EComponentError("'" + NewName + "' is not a valid component name");
    if (FOwner != nullptr) {
        FOwner->ValidateRename(this, FName, NewName);
    } else {
        ValidateRename(nullptr, FName, NewName);
    }
    FName = NewName;
}

void TComponent::ValidateRename(TComponent* AComponent, const std::string& CurName,
                                const std::string& NewName)
{
    if (AComponent == nullptr || NewName.empty()) return;
    if (SameName(CurName, NewName)) return;
    TComponent* found = FindComponent(NewName);
    if (found != nullptr && found != AComponent)
        throw EComponentError("A component named " + NewName + " already exists");
}

void TComponent::SetDesigning(bool value)
{
    if (value) {
        FComponentState |= csDesigning;
    } else {
        FComponentState &= ~static_cast<unsigned>(csDesigning);
    }
    for (TComponent* c : FComponents) c->SetDesigning(value);
}

void TComponent::BeginLoading()
{
    FComponentState |= csLoading | csReading;
}

void TComponent::SetReading(bool value)
{
    if (value) {
        FComponentState |= csReading;
    } else {
        FComponentState &= ~static_cast<unsigned>(csReading);
    }
}

void TComponent::Loaded()
{
    FComponentState &= ~static_cast<unsigned>(csLoading | csReading);
}

void TComponent::Destroying()
{
    if (HasState(csDestroying)) return;
    FComponentState |= csDestroying;
    for (TComponent* c : FComponents) c->Destroying();
}

void TComponent::FreeNotification(TComponent* AComponent)
{
    if (AComponent == nullptr || AComponent == this) return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end()) {
        FFreeNotifies.push_back(AComponent);
        AComponent->FFreeNotifies.push_back(this);
    }
}

void TComponent::RemoveFreeNotification(TComponent* AComponent)
{
    RemoveNotification(AComponent);
    AComponent->RemoveNotification(this);
}

void TComponent::RemoveNotification(TComponent* AComponent)
{
    EraseOne(FFreeNotifies, AComponent);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove && AComponent != nullptr) RemoveFreeNotification(AComponent);
    if (FComponents.empty()) return;
    // Copy: a component told of a removal may delete owned components of its own. While the
    // list is unchanged since the copy every entry is still owned, so the look-up that guards
    // against a deleted one is needed only after a change (a form's hundreds of controls would
    // otherwise make each notification quadratic).
    std::vector<TComponent*> owned = FComponents;
    const unsigned changes = FComponentsChanges;
    for (TComponent* c : owned) {
        if (FComponentsChanges == changes ||
            std::find(FComponents.begin(), FComponents.end(), c) != FComponents.end())
            c->Notification(AComponent, Operation);
    }
}

}  // namespace rtl
