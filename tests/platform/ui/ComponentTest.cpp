// Component ownership, names, state flags and free notifications.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/rtl/Component.h"
#include "platform/rtl/Exceptions.h"

namespace {

// Records the notifications it receives and counts destructions.
class TProbe : public rtl::TComponent {
public:
    TProbe(rtl::TComponent* owner, std::vector<std::string>* log = nullptr) : rtl::TComponent(owner), Log(log) {}
    ~TProbe() override
    {
        Destroying();
        if (Log != nullptr) Log->push_back("destroy " + Name());
    }
    void Notification(rtl::TComponent* c, rtl::TOperation op) override
    {
        rtl::TComponent::Notification(c, op);
        if (Log != nullptr && op == rtl::opRemove) Log->push_back(Name() + " told " + c->Name() + " goes");
        if (op == rtl::opRemove && c == Watched) Watched = nullptr;
    }
    void Loaded() override
    {
        rtl::TComponent::Loaded();
        ++LoadedCalls;
    }
    std::vector<std::string>* Log;
    rtl::TComponent* Watched = nullptr;
    int LoadedCalls = 0;
};

TEST(ComponentTest, OwnerDeletesOwnedComponentsAndFindsThemByNameWithoutCase)
{
    std::vector<std::string> log;
    auto* owner = new TProbe(nullptr, &log);
    owner->SetName("Owner");
    auto* a = new TProbe(owner, &log);
    a->SetName("Alpha");
    auto* b = new TProbe(owner, &log);
    b->SetName("Beta");
    EXPECT_EQ(owner->ComponentCount(), 2);
    EXPECT_EQ(owner->Components(1), b);
    EXPECT_EQ(owner->FindComponent("ALPHA"), a);
    EXPECT_EQ(owner->FindComponent("Gamma"), nullptr);
    EXPECT_EQ(a->Owner(), owner);
    EXPECT_THROW(owner->Components(2), rtl::EListError);

    delete owner;
    // The owner's own destructor runs first, then the owned components go.
    EXPECT_EQ(log, (std::vector<std::string>{"destroy Owner", "destroy Beta", "destroy Alpha"}));
}

TEST(ComponentTest, DeletingAnOwnedComponentRemovesItAndTellsItsSiblings)
{
    std::vector<std::string> log;
    TProbe owner(nullptr, &log);
    owner.SetName("Owner");
    auto* a = new TProbe(&owner, &log);
    a->SetName("A");
    auto* b = new TProbe(&owner, &log);
    b->SetName("B");
    delete a;
    EXPECT_EQ(owner.ComponentCount(), 1);
    EXPECT_NE(std::find(log.begin(), log.end(), "B told A goes"), log.end());
}

TEST(ComponentTest, NamesMustBeIdentifiersAndUniqueInTheOwner)
{
    TProbe owner(nullptr);
    auto* a = new TProbe(&owner);
    a->SetName("Button1");
    auto* b = new TProbe(&owner);
    EXPECT_THROW(b->SetName("button1"), rtl::EComponentError);
    EXPECT_THROW(b->SetName("1st"), rtl::EComponentError);
    EXPECT_THROW(b->SetName("a b"), rtl::EComponentError);
    b->SetName("Button2");
    a->SetName("BUTTON1");  // renaming to itself in another case is fine
    EXPECT_EQ(owner.FindComponent("button1"), a);
    // A component moving into an owner that already has its name is refused.
    TProbe other(nullptr);
    auto* c = new TProbe(&other);
    c->SetName("Button2");
    EXPECT_THROW(owner.InsertComponent(c), rtl::EComponentError);
    EXPECT_EQ(c->Owner(), nullptr);
    delete c;
}

TEST(ComponentTest, FreeNotificationTellsTheWatcherAcrossOwners)
{
    TProbe watcher(nullptr);
    watcher.SetName("Watcher");
    auto* watched = new TProbe(nullptr);
    watched->SetName("Watched");
    watcher.Watched = watched;
    watched->FreeNotification(&watcher);
    delete watched;
    EXPECT_EQ(watcher.Watched, nullptr);

    // After RemoveFreeNotification nothing is said.
    auto* second = new TProbe(nullptr);
    watcher.Watched = second;
    second->FreeNotification(&watcher);
    second->RemoveFreeNotification(&watcher);
    delete second;
    EXPECT_NE(watcher.Watched, nullptr);
}

TEST(ComponentTest, WatcherDestroyedFirstIsForgotten)
{
    auto* watched = new TProbe(nullptr);
    {
        TProbe watcher(nullptr);
        watched->FreeNotification(&watcher);
    }
    delete watched;  // must not call the watcher that is gone
    SUCCEED();
}

// Told of a removal, a component may delete a sibling: the owner tells every other owned
// component once and skips the one that is gone.
TEST(ComponentTest, OwnerTellsItsComponentsOfARemovalAndSkipsOneDeletedMeanwhile)
{
    struct TDeleter : TProbe {
        using TProbe::TProbe;
        void Notification(rtl::TComponent* c, rtl::TOperation op) override
        {
            TProbe::Notification(c, op);
            if (op == rtl::opRemove) delete std::exchange(Victim, nullptr);
        }
        rtl::TComponent* Victim = nullptr;
    };
    std::vector<std::string> log;
    TProbe owner(nullptr, &log);
    owner.SetName("Owner");
    auto* a = new TDeleter(&owner, &log);
    a->SetName("A");
    auto* b = new TProbe(&owner, &log);
    b->SetName("B");
    auto* c = new TProbe(&owner, &log);
    c->SetName("C");
    a->Victim = c;
    TProbe gone(nullptr);
    gone.SetName("Gone");
    owner.Notification(&gone, rtl::opRemove);
    EXPECT_EQ(log, (std::vector<std::string>{"A told Gone goes", "destroy C", "A told C goes", "B told C goes",
                                             "Owner told C goes", "B told Gone goes", "Owner told Gone goes"}));
    EXPECT_EQ(owner.ComponentCount(), 2);
    // Nothing deleted this time: every owned component is told.
    log.clear();
    owner.Notification(&gone, rtl::opRemove);
    EXPECT_EQ(log, (std::vector<std::string>{"A told Gone goes", "B told Gone goes", "Owner told Gone goes"}));
}

TEST(ComponentTest, StateFlagsFollowLoadingAndDestroying)
{
    bool sawDestroying = false;
    struct TChecker : rtl::TComponent {
        TChecker(rtl::TComponent* o, bool* flag) : rtl::TComponent(o), Flag(flag) {}
        ~TChecker() override { *Flag = Owner() == nullptr; }
        bool* Flag;
    };
    auto* owner = new TProbe(nullptr);
    new TChecker(owner, &sawDestroying);
    owner->BeginLoading();
    EXPECT_TRUE(owner->HasState(rtl::csLoading));
    EXPECT_TRUE(owner->HasState(rtl::csReading));
    owner->Loaded();
    EXPECT_FALSE(owner->HasState(rtl::csLoading));
    EXPECT_EQ(owner->LoadedCalls, 1);
    owner->SetDesigning(true);
    EXPECT_TRUE(owner->Components(0)->HasState(rtl::csDesigning));
    delete owner;
    EXPECT_TRUE(sawDestroying);  // owned components are detached before they are deleted
}

}  // namespace
