// Phonebook text, entry keys and dial plans of the stand-in service.
#include "tools/rassim/Phonebook.h"

#include <charconv>

namespace ventro::rassim {

static std::string_view Trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

const std::string* PhonebookEntry::Find(std::string_view key) const
{
    for (const auto& line : lines) {
        if (!line.key.empty() && line.key == key)
            return &line.value;
    }
    return nullptr;
}

void PhonebookEntry::Set(std::string_view key, std::string_view value)
{
    for (auto& line : lines) {
        if (!line.key.empty() && line.key == key) {
            line.value = value;
            return;
        }
    }
    // New keys go before trailing blank lines so that sections stay readable.
    auto at = lines.end();
    while (at != lines.begin() && std::prev(at)->key.empty() && Trim(std::prev(at)->value).empty())
        --at;
    lines.insert(at, PhonebookLine { std::string(key), std::string(value) });
}

void PhonebookEntry::Remove(std::string_view key)
{
    std::erase_if(lines, [&](const PhonebookLine& line) { return !line.key.empty() && line.key == key; });
}

PhonebookEntry* Phonebook::Find(std::string_view name)
{
    for (auto& entry : entries) {
        if (entry.name == name)
            return &entry;
    }
    return nullptr;
}

const PhonebookEntry* Phonebook::Find(std::string_view name) const
{
    return const_cast<Phonebook*>(this)->Find(name);
}

Phonebook ParsePhonebook(std::string_view text)
{
    Phonebook book;
    std::vector<PhonebookLine>* target = &book.preamble;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view raw = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);
        const std::string_view line = Trim(raw);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            book.entries.push_back(PhonebookEntry { std::string(line.substr(1, line.size() - 2)), {} });
            target = &book.entries.back().lines;
            continue;
        }
        const size_t equals = line.find('=');
        if (equals != std::string_view::npos && equals > 0 && line.front() != ';')
            target->push_back(PhonebookLine { std::string(Trim(line.substr(0, equals))), std::string(Trim(line.substr(equals + 1))) });
        else
            target->push_back(PhonebookLine { {}, std::string(raw) });
    }
    return book;
}

static void WriteLines(std::string& out, const std::vector<PhonebookLine>& lines)
{
    for (const auto& line : lines) {
        if (line.key.empty())
            out += line.value;
        else
            out += line.key + "=" + line.value;
        out += "\r\n";
    }
}

std::string WritePhonebook(const Phonebook& book)
{
    std::string out;
    WriteLines(out, book.preamble);
    for (const auto& entry : book.entries) {
        out += "[" + entry.name + "]\r\n";
        WriteLines(out, entry.lines);
    }
    return out;
}

static uint32_t Number(const PhonebookEntry& entry, std::string_view key, uint32_t fallback)
{
    const std::string* text = entry.Find(key);
    if (!text)
        return fallback;
    uint32_t value = 0;
    const auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), value);
    return ec == std::errc() && end == text->data() + text->size() ? value : fallback;
}

DialBehaviour ReadDialBehaviour(const PhonebookEntry& entry)
{
    DialBehaviour behaviour;
    if (const std::string* user = entry.Find(Key::AcceptUser))
        behaviour.acceptUser = *user;
    if (const std::string* password = entry.Find(Key::AcceptPassword))
        behaviour.acceptPassword = *password;
    behaviour.failError = Number(entry, Key::FailError, 0);
    behaviour.failAtState = Number(entry, Key::FailAtState, 2);
    behaviour.refuseDial = Number(entry, Key::RefuseDial, 0);
    if (const std::string* address = entry.Find(Key::IpAddress))
        behaviour.ipAddress = *address;
    behaviour.stepDelayMs = Number(entry, Key::StepDelayMs, behaviour.stepDelayMs);
    behaviour.stressStatuses = Number(entry, Key::StressStatuses, 0);
    behaviour.dropLine = Number(entry, Key::DropLine, 0) != 0;
    return behaviour;
}

std::vector<DialStep> PlanDial(const DialBehaviour& behaviour, std::string_view user, std::string_view password)
{
    std::vector<DialStep> steps;
    if (behaviour.stressStatuses > 0) {
        for (uint32_t i = 1; i <= behaviour.stressStatuses; ++i)
            steps.push_back({ 0, StressErrorBase + i });
        return steps;
    }
    // The states of a PPPoE dial: open port, connect device, device
    // connected, all devices connected, authenticate, authenticated, connected.
    static constexpr uint32_t States[] = { 0, 2, 3, 4, 5, 14, 0x2000 };
    const bool accepted = (!behaviour.acceptUser || *behaviour.acceptUser == user)
        && (!behaviour.acceptPassword || *behaviour.acceptPassword == password);
    for (uint32_t state : States) {
        if (behaviour.failError != 0 && state == behaviour.failAtState) {
            steps.push_back({ state, behaviour.failError });
            return steps;
        }
        if (state == 0x2000 && behaviour.dropLine) {
            steps.push_back({ 0x2001, 0 });
            return steps;
        }
        steps.push_back({ state, 0 });
        if (state == 5 && !accepted) {
            steps.push_back({ state, AuthenticationFailure });
            return steps;
        }
    }
    return steps;
}

} // namespace ventro::rassim
