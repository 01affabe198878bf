// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> allocations {0};

void* Allocate(std::size_t size, std::size_t alignment) noexcept
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    // Even a zero-sized allocation must return a distinct pointer.
    const std::size_t bytes = size == 0 ? 1 : size;
    if (alignment <= alignof(std::max_align_t))
        return std::malloc(bytes);
    // aligned_alloc takes only sizes that are a multiple of the alignment.
    return std::aligned_alloc(alignment, (bytes + alignment - 1) / alignment * alignment);
}

void* AllocateOrThrow(std::size_t size, std::size_t alignment)
{
    if (void* memory = Allocate(size, alignment))
        return memory;
    throw std::bad_alloc();
}

std::size_t InBytes(std::align_val_t alignment) { return static_cast<std::size_t>(alignment); }

}  // namespace

std::size_t kwintor::bench::AllocationCount() { return allocations.load(std::memory_order_relaxed); }

void* operator new(std::size_t size) { return AllocateOrThrow(size, 0); }
void* operator new[](std::size_t size) { return AllocateOrThrow(size, 0); }
void* operator new(std::size_t size, std::align_val_t alignment)
{
    return AllocateOrThrow(size, InBytes(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment)
{
    return AllocateOrThrow(size, InBytes(alignment));
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size, 0); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size, 0); }
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    return Allocate(size, InBytes(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    return Allocate(size, InBytes(alignment));
}

// Both kinds of block come from malloc or aligned_alloc, so free takes them all.
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, std::align_val_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::align_val_t) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t, std::align_val_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t, std::align_val_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete(void* memory, std::align_val_t, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, std::align_val_t, const std::nothrow_t&) noexcept { std::free(memory); }
