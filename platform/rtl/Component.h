// TComponent: named objects that own other components and tell each other when they go away.
#pragma once

#include <string>
#include <vector>

#include "platform/rtl/Object.h"

namespace rtl {

// Flags of TComponent::ComponentState, combined as a bit set.
enum TComponentStateFlag : unsigned {
    csLoading = 1u << 0,     // properties are being read from a form description
    csReading = 1u << 1,     // the reader is setting this component's properties now
    csWriting = 1u << 2,
    csDestroying = 1u << 3,  // the destructor has started
    csDesigning = 1u << 4,
    csAncestor = 1u << 5,
    csInline = 1u << 6,
};
using TComponentState = unsigned;

enum TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* AOwner);
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;
    // Tells every component that asked (FreeNotification) and the owner that
    // this one is going, then deletes the components it owns.
    ~TComponent() override;

    std::string ClassName() const override { return "TComponent"; }

    // Ownership
    TComponent* Owner() const { return FOwner; }
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int index) const;
    int ComponentIndex() const;
    void InsertComponent(TComponent* AComponent);
    void RemoveComponent(TComponent* AComponent);
    void DestroyComponents();
    // Owned component of that name (without regard to case), or nullptr.
    TComponent* FindComponent(const std::string& AName) const;

    // Name: an identifier, unique (without regard to case) among the owner's components.
    const std::string& Name() const { return FName; }
    void SetName(const std::string& NewName);

    long long Tag() const { return FTag; }
    void SetTag(long long value) { FTag = value; }

    // State
    TComponentState ComponentState() const { return FComponentState; }
    bool HasState(TComponentStateFlag flag) const { return (FComponentState & flag) != 0; }
    void SetDesigning(bool value);
    // Marks the start of reading from a form description (csLoading, csReading).
    void BeginLoading();
    // Called once all properties of the tree are read; clears csLoading.
    virtual void Loaded();

    // Free notifications: AComponent is told (Notification opRemove) when this one is destroyed.
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

    // Called for components inserted into or removed from this one's owner tree and
    // for components this one asked to be told about; passes the news to owned components.
    virtual void Notification(TComponent* AComponent, TOperation Operation);

    void SetReading(bool value);

protected:
    // Derived destructors call this first, so that csDestroying is set while they run.
    void Destroying();
    virtual void ValidateRename(TComponent* AComponent, const std::string& CurName,
                                const std::string& NewName);

private:
    void Insert(TComponent* AComponent);
    void Remove(TComponent* AComponent);
    void RemoveNotification(TComponent* AComponent);

    TComponent* FOwner = nullptr;
    std::string FName;
    long long FTag = 0;
    TComponentState FComponentState = 0;
    std::vector<TComponent*> FComponents;
    // Counts insertions into and removals from FComponents.
    unsigned FComponentsChanges = 0;
    std::vector<TComponent*> FFreeNotifies;
};

// True when `name` is a valid identifier: a letter or underscore, then letters, digits, underscores.
bool IsValidIdent(const std::string& name);

}  // namespace rtl
