#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Component.h"

using namespace ventro;

namespace {

std::vector<std::string> g_log;

// A component that logs its destruction and clears its link when the linked
// component goes away.
class Probe : public TComponent {
public:
    Probe(TComponent* owner, std::string name) : TComponent(owner), m_name(std::move(name)) { }
    ~Probe() override { g_log.push_back("destroy " + m_name); }
    TComponent* Link = nullptr;
    void SetLink(TComponent* c)
    {
        Link = c;
        FreeNotification(c);
    }

protected:
    void Notification(TComponent* c, TOperation op) override
    {
        if (op == TOperation::opRemove && c == Link) {
            Link = nullptr;
            g_log.push_back(m_name + " lost its link");
        }
    }

private:
    std::string m_name;
};

} // namespace

TEST(Component, OwnerDestroysItsComponentsNewestFirst)
{
    g_log.clear();
    auto* owner = new Probe(nullptr, "owner");
    new Probe(owner, "a");
    new Probe(owner, "b");
    new Probe(owner, "c");
    EXPECT_EQ(owner->ComponentCount(), 3);
    delete owner;
    EXPECT_EQ(g_log, (std::vector<std::string> { "destroy owner", "destroy c", "destroy b", "destroy a" }));
}

TEST(Component, LinksAreClearedWhenTheLinkedComponentGoes)
{
    g_log.clear();
    Probe owner(nullptr, "owner");
    auto* skin = new Probe(&owner, "skin");
    auto* form = new Probe(&owner, "form");
    Probe stranger(nullptr, "stranger"); // another owner: told through FreeNotification
    form->SetLink(skin);
    stranger.SetLink(skin);
    delete skin;
    EXPECT_EQ(form->Link, nullptr);
    EXPECT_EQ(stranger.Link, nullptr);
    EXPECT_EQ(owner.ComponentCount(), 1);
}

TEST(Component, ALinkerThatGoesFirstIsForgotten)
{
    g_log.clear();
    auto* target = new Probe(nullptr, "target");
    {
        Probe linker(nullptr, "linker");
        linker.SetLink(target);
    }
    // Destroying the target must not notify the destroyed linker (under the
    // address sanitizer that would also be reported as a use after free).
    delete target;
    EXPECT_EQ(g_log, (std::vector<std::string> { "destroy linker", "destroy target" }));
}

TEST(Component, ReadingStateEndsWithLoaded)
{
    Probe c(nullptr, "c");
    EXPECT_FALSE(c.IsReading());
    c.BeginReading();
    EXPECT_TRUE(c.IsReading());
    c.Loaded();
    EXPECT_FALSE(c.IsReading());
}
