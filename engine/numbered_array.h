// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>

namespace kwintor {

// An array whose entries are numbered from 1, as the game numbers its terms
// and slots. A number outside 1..Count throws instead of reading past the end.
template <typename T, std::size_t Count> class NumberedArray {
public:
    T& operator[](std::size_t number) { return items_[IndexOf(number)]; }
    const T& operator[](std::size_t number) const { return items_[IndexOf(number)]; }

    void Fill(const T& value) { items_.fill(value); }

    static constexpr std::size_t size() { return Count; }

private:
    static std::size_t IndexOf(std::size_t number)
    {
        if (number < 1 || number > Count)
            throw std::out_of_range("numbered entry outside 1..Count");
        return number - 1;
    }

    std::array<T, Count> items_ {};
};

}  // namespace kwintor
