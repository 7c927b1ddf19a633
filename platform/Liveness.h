// A liveness token for objects that may end inside a call they make into user
// code (an event handler that frees its sender, a menu command that closes the
// form): the object holds a TLiveness, and code that must not touch the object
// after such a call asks a TAliveToken taken before it.
#pragma once
#include <memory>
#include <utility>

namespace ventro {

class TAliveToken {
public:
    TAliveToken() = default;
    bool Alive() const { return !m_flag.expired(); }
    explicit operator bool() const { return Alive(); }

private:
    friend class TLiveness;
    explicit TAliveToken(std::weak_ptr<const bool> flag) : m_flag(std::move(flag)) { }
    std::weak_ptr<const bool> m_flag;
};

class TLiveness {
public:
    TLiveness() = default;
    TLiveness(const TLiveness&) = delete;
    TLiveness& operator=(const TLiveness&) = delete;

    TAliveToken Token() const { return TAliveToken(m_flag); }
    // Expires every token now; a destructor calls it before it tears down
    // what handlers running further up the stack would still reach.
    void End() { m_flag.reset(); }
    bool Ended() const { return m_flag == nullptr; }

    // A callback that runs `action` only while the owner lives: for handlers
    // the owner gives to components that may outlive it.
    template <class F>
    auto WhileAlive(F action) const
    {
        return [token = Token(), action = std::move(action)](auto&&... args) {
            if (token)
                action(std::forward<decltype(args)>(args)...);
        };
    }

private:
    std::shared_ptr<const bool> m_flag = std::make_shared<const bool>(true);
};

} // namespace ventro
