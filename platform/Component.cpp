// Component ownership and removal notification.
#include "platform/Component.h"

#include <algorithm>

namespace ventro {

TComponent::TComponent(TComponent* owner)
    : m_owner(owner)
    , m_reading(owner && owner->IsReading())
{
    if (m_owner)
        m_owner->InsertComponent(this);
}

TComponent::~TComponent()
{
    Destroying();
    SendRemovalNotices();
    DestroyComponents();
    if (m_owner)
        m_owner->RemoveComponent(this);
}

void TComponent::Loaded()
{
    m_reading = false;
    for (TComponent* c : std::vector<TComponent*>(m_components))
        if (c->IsReading())
            c->Loaded();
}

void TComponent::Destroying()
{
    if (m_destroying)
        return;
    m_destroying = true;
    for (TComponent* c : m_components)
        c->Destroying();
}

void TComponent::SendRemovalNotices()
{
    // Anyone that asked to be told forgets us first.
    auto notifies = std::move(m_freeNotifies);
    m_freeNotifies.clear();
    for (TComponent* c : notifies) {
        c->m_freeNotifies.erase(std::remove(c->m_freeNotifies.begin(), c->m_freeNotifies.end(), this), c->m_freeNotifies.end());
        c->Notification(this, TOperation::opRemove);
    }
}

void TComponent::DestroyComponents()
{
    while (!m_components.empty())
        delete m_components.back(); // its destructor removes it from the list
}

void TComponent::InsertComponent(TComponent* component)
{
    m_components.push_back(component);
    for (TComponent* c : m_components)
        if (c != component)
            c->Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component)
{
    m_components.erase(std::remove(m_components.begin(), m_components.end(), component), m_components.end());
    component->m_owner = nullptr;
    Notification(component, TOperation::opRemove);
    for (TComponent* c : std::vector<TComponent*>(m_components))
        c->Notification(component, TOperation::opRemove);
}

void TComponent::FreeNotification(TComponent* other)
{
    if (!other || other == this)
        return;
    if (std::find(other->m_freeNotifies.begin(), other->m_freeNotifies.end(), this) == other->m_freeNotifies.end())
        other->m_freeNotifies.push_back(this);
    if (std::find(m_freeNotifies.begin(), m_freeNotifies.end(), other) == m_freeNotifies.end())
        m_freeNotifies.push_back(other);
}

void TComponent::RemoveFreeNotification(TComponent* other)
{
    if (!other)
        return;
    other->m_freeNotifies.erase(std::remove(other->m_freeNotifies.begin(), other->m_freeNotifies.end(), this), other->m_freeNotifies.end());
    m_freeNotifies.erase(std::remove(m_freeNotifies.begin(), m_freeNotifies.end(), other), m_freeNotifies.end());
}

void TComponent::Notification(TComponent*, TOperation) { }

} // namespace ventro
