// The framework's event vocabulary, the same for every unit: mouse buttons,
// the shift-state set, and the event signatures with a sender. Platform-neutral.
#pragma once
#include <functional>
#include <initializer_list>

#include "base/MouseButton.h"
#include "platform/Component.h"

namespace ventro {

enum class TShift { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };

// A set of TShift values.
class TShiftState {
public:
    TShiftState() = default;
    TShiftState(std::initializer_list<TShift> values)
    {
        for (TShift value : values)
            *this += value;
    }
    bool Contains(TShift value) const { return m_bits & Bit(value); }
    bool Empty() const { return m_bits == 0; }
    TShiftState& operator+=(TShift value)
    {
        m_bits |= Bit(value);
        return *this;
    }
    TShiftState& operator-=(TShift value)
    {
        m_bits &= ~Bit(value);
        return *this;
    }
    TShiftState operator+(TShift value) const { return TShiftState(*this) += value; }
    bool operator==(const TShiftState&) const = default;

private:
    static unsigned Bit(TShift value) { return 1u << unsigned(value); }
    unsigned m_bits = 0;
};

using TNotifyEvent = std::function<void(TComponent* Sender)>;
using TMouseEvent = std::function<void(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TComponent* Sender, TShiftState Shift, int X, int Y)>;

} // namespace ventro
