// The stand-in service's phonebook: a text file in the Windows phonebook
// format (an "[entry name]" section per entry with "Key=Value" lines), kept
// as ANSI bytes, and the dial behaviour that an entry's keys ask for.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ventro::rassim {

struct PhonebookLine {
    std::string key; // empty for lines that are not "Key=Value" (comments, blanks)
    std::string value; // the whole line when `key` is empty
};

struct PhonebookEntry {
    std::string name;
    std::vector<PhonebookLine> lines;

    const std::string* Find(std::string_view key) const;
    void Set(std::string_view key, std::string_view value);
    void Remove(std::string_view key);
};

struct Phonebook {
    std::vector<PhonebookLine> preamble; // lines before the first section
    std::vector<PhonebookEntry> entries; // in file order

    PhonebookEntry* Find(std::string_view name);
    const PhonebookEntry* Find(std::string_view name) const;
};

Phonebook ParsePhonebook(std::string_view text);
// Writes the phonebook back; parsing the result gives the same phonebook.
std::string WritePhonebook(const Phonebook& book);

// Keys of an entry that the stand-in reads.
namespace Key {
inline constexpr std::string_view UserName = "UserName"; // stored by RasSetEntryDialParamsA
inline constexpr std::string_view Password = "Password";
inline constexpr std::string_view PhoneNumber = "PhoneNumber";
inline constexpr std::string_view AcceptUser = "AcceptUser";
inline constexpr std::string_view AcceptPassword = "AcceptPassword";
inline constexpr std::string_view FailError = "FailError";
inline constexpr std::string_view FailAtState = "FailAtState";
inline constexpr std::string_view RefuseDial = "RefuseDial";
inline constexpr std::string_view IpAddress = "IpAddress";
inline constexpr std::string_view StepDelayMs = "StepDelayMs";
inline constexpr std::string_view StressStatuses = "StressStatuses";
inline constexpr std::string_view DropLine = "DropLine";
}

constexpr uint32_t AuthenticationFailure = 691;
// Stress statuses carry error codes from here on, so that each has its own text.
constexpr uint32_t StressErrorBase = 30000;

struct DialBehaviour {
    std::optional<std::string> acceptUser;
    std::optional<std::string> acceptPassword;
    uint32_t failError = 0; // forced error, 0 for none
    uint32_t failAtState = 0; // the state at which the forced error is reported
    uint32_t refuseDial = 0; // RasDialA itself returns this code
    std::string ipAddress = "10.64.0.2";
    uint32_t stepDelayMs = 300;
    uint32_t stressStatuses = 0;
    bool dropLine = false; // the line drops (Disconnected, no error) where it would connect
};

DialBehaviour ReadDialBehaviour(const PhonebookEntry& entry);

// One step of a played dial: the state reported and the error reported with it.
struct DialStep {
    uint32_t state = 0;
    uint32_t error = 0;
};

// The notifications a dial with these credentials goes through, ending in
// the connected state or in an error.
std::vector<DialStep> PlanDial(const DialBehaviour& behaviour, std::string_view user, std::string_view password);

} // namespace ventro::rassim
