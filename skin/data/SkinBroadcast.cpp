// Delivery of skin messages to forms' windows.
#include "skin/data/SkinBroadcast.h"

#include "platform/Application.h"

namespace ventro {

void SendSkinMessage(HWND owner, std::span<const HWND> forms, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (owner)
        SendMessageW(owner, message, wParam, lParam);
    for (HWND form : forms)
        if (form && form != owner)
            SendMessageW(form, message, wParam, lParam);
}

TlxSkinData::SkinMessageSink MakeWindowSkinMessageSink(std::function<HWND()> owner, std::function<std::vector<HWND>()> forms)
{
    return [owner = std::move(owner), forms = std::move(forms)](TlxSkinData& sender, uint32_t message) {
        std::vector<HWND> list = forms ? forms() : std::vector<HWND> {};
        SendSkinMessage(owner ? owner() : nullptr, list, message, reinterpret_cast<WPARAM>(&sender), SkinMessageLParam);
    };
}

TlxSkinData::SkinMessageSink ApplicationSkinMessageSink()
{
    return [](TlxSkinData& sender, uint32_t message) {
        HWND owner = nullptr;
        if (auto* form = dynamic_cast<TCustomForm*>(sender.Owner()))
            owner = form->HandleNeeded();
        std::vector<HWND> forms = Application().FormHandles();
        SendSkinMessage(owner, forms, message, reinterpret_cast<WPARAM>(&sender), SkinMessageLParam);
    };
}

} // namespace ventro
