// The mouse buttons, one type for the platform's events and the skin objects.
#pragma once

namespace ventro {

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

} // namespace ventro
