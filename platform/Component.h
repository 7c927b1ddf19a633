// Components: objects owned by another component (usually a form), destroyed
// by it in reverse order of creation, and told when a component they link to
// goes away so that the link can be cleared.
#pragma once
#include <string>
#include <vector>

namespace ventro {

enum class TOperation { opInsert, opRemove };

class TComponent {
public:
    explicit TComponent(TComponent* owner);
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;
    virtual ~TComponent();

    TComponent* Owner() const { return m_owner; }
    const std::wstring& Name() const { return m_name; }
    void SetName(std::wstring name) { m_name = std::move(name); }
    const std::vector<TComponent*>& Components() const { return m_components; }
    int ComponentCount() const { return int(m_components.size()); }

    // Asks to be told (through Notification) when `other` is destroyed, also
    // when it belongs to another owner.
    void FreeNotification(TComponent* other);
    void RemoveFreeNotification(TComponent* other);

    // True while a window definition sets stored property values; Loaded()
    // ends that state. A component made by an owner that is being read is
    // read with it.
    bool IsReading() const { return m_reading; }
    void BeginReading() { m_reading = true; }
    // Called once after every stored value of the definition was set; ends
    // the reading of owned components still being read.
    virtual void Loaded();
    bool IsDestroying() const { return m_destroying; }

protected:
    // Told when a component is inserted into or removed from the same owner,
    // or removed while this component asked for FreeNotification.
    virtual void Notification(TComponent* component, TOperation operation);
    // Destroys every owned component now, newest first (for owners that must
    // free them before their own teardown starts).
    void DestroyComponents();
    // The start of an orderly end, for owners whose destructor must act
    // before the base one: marks this component and its owned ones as
    // destroying, then tells the components linked to it that it goes.
    void Destroying();
    void SendRemovalNotices();

private:
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    TComponent* m_owner = nullptr;
    std::wstring m_name;
    std::vector<TComponent*> m_components;
    std::vector<TComponent*> m_freeNotifies;
    bool m_reading = false;
    bool m_destroying = false;
};

} // namespace ventro
