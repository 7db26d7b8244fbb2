// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <memory>

namespace quarvel::ui {

// A listener's hold on what it listens to: the listener is removed when this
// goes; one that outlives what it listened to ends nothing.
class Subscription {
public:
    Subscription() = default;
    Subscription(std::weak_ptr<std::map<int, std::function<void()>>> listeners, int id)
        : m_listeners(std::move(listeners)), m_id(id) {}
    Subscription(Subscription&&) = default;
    Subscription& operator=(Subscription&&) = default;
    ~Subscription() {
        if (const auto listeners = m_listeners.lock()) listeners->erase(m_id);
    }

private:
    std::weak_ptr<std::map<int, std::function<void()>>> m_listeners;
    int m_id = 0;
};

}  // namespace quarvel::ui
