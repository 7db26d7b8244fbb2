// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quarvel::ui {

// Sets a flag for a scope, and clears it however the scope ends.
class Flag {
public:
    explicit Flag(bool& flag) : m_flag(flag) { m_flag = true; }
    ~Flag() { m_flag = false; }
    Flag(const Flag&) = delete;
    Flag& operator=(const Flag&) = delete;

private:
    bool& m_flag;
};

}  // namespace quarvel::ui
