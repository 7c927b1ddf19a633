// TDialUp: the dial-up connection component. It binds the Remote Access
// Service by name at run time, lists phonebook entries, dials asynchronously
// with a user name and password, delivers progress texts on the GUI thread,
// names the connected entry and hangs up.
#pragma once
#include <windows.h>
#include <ras.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Component.h"
#include "platform/Handles.h"
#include "platform/MessageWindow.h"

namespace ventro {

class TDialUp;

using TOnStatusEvent = std::function<void(TDialUp* Sender, const std::wstring& MessageText, bool Error)>;

class TDialUp : public TComponent {
public:
    explicit TDialUp(TComponent* owner);
    // Binds another library in place of "RASAPI32.DLL" (a different service,
    // or none at all in tests of the absent service).
    TDialUp(TComponent* owner, const std::wstring& libraryName);
    ~TDialUp() override;

    const std::wstring& About() const { return m_about; }
    void SetAbout(std::wstring value) { m_about = std::move(value); }
    const std::wstring& Password() const { return m_password; }
    void SetPassword(std::wstring value) { m_password = std::move(value); }
    const std::wstring& Username() const { return m_username; }
    void SetUsername(std::wstring value) { m_username = std::move(value); }
    const std::wstring& ConnectTo() const { return m_connectTo; }
    void SetConnectTo(std::wstring value) { m_connectTo = std::move(value); }

    // The entry name of the last connection in the connected state, or empty.
    std::wstring CurrentConnection() const;
    // Stored values of this property have no effect.
    void SetCurrentConnection(const std::wstring&) { }

    // Re-reads the phonebook; the list belongs to the component.
    const std::vector<std::wstring>& PossibleConnections();
    // Stored values of this property are replaced by the next read.
    void SetPossibleConnections(const std::vector<std::wstring>&) { }

    const std::vector<std::wstring>& LangStrList() const { return m_langStrList; }
    void SetLangStrList(const std::vector<std::wstring>& lines) { m_langStrList = lines; }

    const TOnStatusEvent& OnStatusEvent() const { return m_onStatusEvent; }
    void SetOnStatusEvent(TOnStatusEvent handler) { m_onStatusEvent = std::move(handler); }

    bool RasInstalled() const { return bool(m_rasLibrary); }

    // Starts a dial of ConnectTo with Username and Password. True means the
    // service accepted the request and dials in the background.
    bool Dial();
    // Hangs up every active dial-up connection of the machine.
    void HangUp();

    // Delivers the status that waits for the GUI thread (the hidden window's
    // hand-over message runs it).
    virtual void DeliverStatus();

    // The service's text for an error code; empty without the service.
    std::wstring ErrorText(uint32_t error) const;

    // Dials are numbered across the process from 1: the number of the latest
    // dial this component started (0 before its first).
    uint64_t LastDial() const { return m_lastDial; }
    // While OnStatusEvent runs: the dial the status belongs to, and the state
    // and error code the service reported.
    uint64_t StatusDial() const { return m_statusDial; }
    uint32_t StatusState() const { return m_statusState; }
    uint32_t StatusError() const { return m_statusError; }

    // The component whose dial the service's progress callback reports to.
    static TDialUp* DialingComponent();

private:
    struct Api;
    static void WINAPI DialNotifier(UINT message, RASCONNSTATE state, DWORD error);

    void Bind(const std::wstring& libraryName);
    std::wstring StepFailureText(size_t line, DWORD code) const;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    std::wstring m_about;
    std::wstring m_password;
    std::wstring m_username;
    std::wstring m_connectTo;
    ModuleHandle m_rasLibrary;
    std::unique_ptr<Api> m_api;
    std::vector<std::wstring> m_langStrList;
    std::vector<std::wstring> m_entryList;
    TOnStatusEvent m_onStatusEvent;
    uint64_t m_lastDial = 0;
    uint64_t m_statusDial = 0;
    uint32_t m_statusState = 0;
    uint32_t m_statusError = 0;
    MessageWindow m_window;
};

} // namespace ventro
