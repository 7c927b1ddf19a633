// Delivery of skin messages to forms' windows: the owner form first, then
// every other form in list order, each handled before the next is sent.
#pragma once
#include <functional>
#include <span>
#include <vector>
#include <windows.h>

#include "skin/data/SkinComponents.h"

namespace ventro {

void SendSkinMessage(HWND owner, std::span<const HWND> forms, UINT message, WPARAM wParam, LPARAM lParam);

// A sink for TlxSkinData that asks, at each message, for the owner form's
// window (may be null) and the application's forms in list order.
TlxSkinData::SkinMessageSink MakeWindowSkinMessageSink(std::function<HWND()> owner, std::function<std::vector<HWND>()> forms);

// The sink of the application's forms: the skin data's owner first, when it
// is a form, then every form of the application in list order. A form
// without a window gets one first, so every form hears every skin change.
TlxSkinData::SkinMessageSink ApplicationSkinMessageSink();

} // namespace ventro
