// The stand-in service's phonebook text, entry keys and dial plans.
#include <gtest/gtest.h>

#include "tools/rassim/Phonebook.h"

using namespace ventro::rassim;

TEST(Phonebook, SectionsKeepFileOrderAndKeys)
{
    const Phonebook book = ParsePhonebook("; top\r\n[B]\r\nPhoneNumber=1\r\n\r\n[A]\nAcceptUser = u \n[\xBF\xED\xB4\xF8]\r\n");
    ASSERT_EQ(book.entries.size(), 3u);
    EXPECT_EQ(book.entries[0].name, "B");
    EXPECT_EQ(book.entries[1].name, "A");
    EXPECT_EQ(book.entries[2].name, "\xBF\xED\xB4\xF8");
    ASSERT_NE(book.entries[1].Find("AcceptUser"), nullptr);
    EXPECT_EQ(*book.entries[1].Find("AcceptUser"), "u");
    EXPECT_EQ(book.entries[0].Find("Missing"), nullptr);
    EXPECT_EQ(book.Find("C"), nullptr);
    ASSERT_EQ(book.preamble.size(), 1u);
}

TEST(Phonebook, WritingAndReadingAgainGivesTheSameBook)
{
    Phonebook book = ParsePhonebook("; comment\r\n[One]\r\nPhoneNumber=\r\n; keep me\r\n\r\n[Two]\r\nStepDelayMs=5\r\n");
    book.Find("One")->Set(Key::UserName, "user");
    book.Find("One")->Set(Key::Password, "p=ss");
    book.Find("Two")->Set(Key::StepDelayMs, "7");
    const Phonebook again = ParsePhonebook(WritePhonebook(book));
    ASSERT_EQ(again.entries.size(), 2u);
    EXPECT_EQ(*again.Find("One")->Find(Key::UserName), "user");
    EXPECT_EQ(*again.Find("One")->Find(Key::Password), "p=ss");
    EXPECT_EQ(*again.Find("Two")->Find(Key::StepDelayMs), "7");
    EXPECT_EQ(WritePhonebook(again), WritePhonebook(book));
    EXPECT_NE(WritePhonebook(again).find("; keep me"), std::string::npos);
    // A new key goes before the blank line that separates the sections.
    EXPECT_LT(WritePhonebook(again).find("UserName="), WritePhonebook(again).find("\r\n\r\n[Two]"));
}

TEST(Phonebook, RemovingAKeyRemovesEveryCopy)
{
    Phonebook book = ParsePhonebook("[E]\nPassword=a\nPassword=b\n");
    book.Find("E")->Remove(Key::Password);
    EXPECT_EQ(book.Find("E")->Find(Key::Password), nullptr);
}

TEST(Phonebook, EmptyTextHasNoEntries)
{
    EXPECT_TRUE(ParsePhonebook("").entries.empty());
    EXPECT_TRUE(ParsePhonebook("\r\n; only a comment\r\n").entries.empty());
    EXPECT_EQ(WritePhonebook(ParsePhonebook("")), "");
}

TEST(DialBehaviourKeys, DefaultsAndBadNumbers)
{
    const DialBehaviour plain = ReadDialBehaviour(PhonebookEntry { "E", {} });
    EXPECT_FALSE(plain.acceptUser);
    EXPECT_EQ(plain.failError, 0u);
    EXPECT_EQ(plain.refuseDial, 0u);
    EXPECT_EQ(plain.stepDelayMs, 300u);
    const Phonebook book = ParsePhonebook("[E]\nStepDelayMs=abc\nRefuseDial=633\nFailError=678\nFailAtState=3\nStressStatuses=10\nAcceptPassword=\n");
    const DialBehaviour keyed = ReadDialBehaviour(book.entries[0]);
    EXPECT_EQ(keyed.stepDelayMs, 300u);
    EXPECT_EQ(keyed.refuseDial, 633u);
    EXPECT_EQ(keyed.failError, 678u);
    EXPECT_EQ(keyed.failAtState, 3u);
    EXPECT_EQ(keyed.stressStatuses, 10u);
    ASSERT_TRUE(keyed.acceptPassword);
    EXPECT_EQ(*keyed.acceptPassword, "");
}

static std::vector<uint32_t> States(const std::vector<DialStep>& steps)
{
    std::vector<uint32_t> states;
    for (const auto& step : steps)
        states.push_back(step.state);
    return states;
}

TEST(DialPlan, AnAcceptedDialGoesThroughThePppoeStatesToConnected)
{
    DialBehaviour behaviour;
    behaviour.acceptUser = "u";
    behaviour.acceptPassword = "p";
    const auto steps = PlanDial(behaviour, "u", "p");
    EXPECT_EQ(States(steps), (std::vector<uint32_t> { 0, 2, 3, 4, 5, 14, 0x2000 }));
    for (const auto& step : steps)
        EXPECT_EQ(step.error, 0u);
}

TEST(DialPlan, AWrongPasswordEndsWith691AfterAuthenticate)
{
    DialBehaviour behaviour;
    behaviour.acceptPassword = "right";
    const auto steps = PlanDial(behaviour, "anyone", "wrong");
    ASSERT_EQ(steps.size(), 6u);
    EXPECT_EQ(steps[4].state, 5u);
    EXPECT_EQ(steps[4].error, 0u);
    EXPECT_EQ(steps.back().state, 5u);
    EXPECT_EQ(steps.back().error, 691u);
}

TEST(DialPlan, AForcedErrorHappensAtItsState)
{
    DialBehaviour behaviour;
    behaviour.failError = 678;
    behaviour.failAtState = 3;
    const auto steps = PlanDial(behaviour, "", "");
    EXPECT_EQ(States(steps), (std::vector<uint32_t> { 0, 2, 3 }));
    EXPECT_EQ(steps.back().error, 678u);
}

TEST(DialPlan, ADroppedLineEndsDisconnectedWithoutAnErrorWhereItWouldConnect)
{
    PhonebookEntry entry;
    entry.name = "Home";
    entry.Set("DropLine", "1");
    const auto steps = PlanDial(ReadDialBehaviour(entry), "", "");
    EXPECT_EQ(States(steps), (std::vector<uint32_t> { 0, 2, 3, 4, 5, 14, 0x2001 }));
    EXPECT_EQ(steps.back().error, 0u);
}

TEST(DialPlan, StressStatusesAreNumberedInOrder)
{
    DialBehaviour behaviour;
    behaviour.stressStatuses = 1000;
    const auto steps = PlanDial(behaviour, "", "");
    ASSERT_EQ(steps.size(), 1000u);
    for (size_t i = 0; i < steps.size(); ++i)
        EXPECT_EQ(steps[i].error, StressErrorBase + 1 + i);
}
