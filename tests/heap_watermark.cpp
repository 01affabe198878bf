// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "heap_watermark.h"

#include <atomic>

#if defined(__SANITIZE_ADDRESS__)

bool heap_watermark::Supported() { return false; }
void heap_watermark::Reset() { }
std::size_t heap_watermark::PeakGrowth() { return 0; }

#else

#include <cerrno>
#include <malloc.h>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* memory, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* memory);
}

namespace {

std::atomic<long long> held {0};
std::atomic<long long> base {0};
std::atomic<long long> peak {0};

// Counted by the block's usable size, which is what free gives back too.
void Taken(void* memory)
{
    if (!memory)
        return;
    const long long now = held.fetch_add(static_cast<long long>(malloc_usable_size(memory))) +
        static_cast<long long>(malloc_usable_size(memory));
    long long highest = peak.load();
    while (now > highest && !peak.compare_exchange_weak(highest, now)) { }
}

void Given(void* memory)
{
    if (memory)
        held.fetch_sub(static_cast<long long>(malloc_usable_size(memory)));
}

}  // namespace

bool heap_watermark::Supported() { return true; }

void heap_watermark::Reset()
{
    base = held.load();
    peak = base.load();
}

std::size_t heap_watermark::PeakGrowth() { return static_cast<std::size_t>(peak.load() - base.load()); }

extern "C" {

void* malloc(std::size_t size)
{
    void* memory = __libc_malloc(size);
    Taken(memory);
    return memory;
}

void* calloc(std::size_t count, std::size_t size)
{
    void* memory = __libc_calloc(count, size);
    Taken(memory);
    return memory;
}

void* realloc(void* memory, std::size_t size)
{
    const long long before = memory ? static_cast<long long>(malloc_usable_size(memory)) : 0;
    void* moved = __libc_realloc(memory, size);
    // A failed realloc leaves the old block; realloc to 0 frees it.
    if (moved || size == 0) {
        held.fetch_sub(before);
        Taken(moved);
    }
    return moved;
}

void* memalign(std::size_t alignment, std::size_t size)
{
    void* memory = __libc_memalign(alignment, size);
    Taken(memory);
    return memory;
}

void* aligned_alloc(std::size_t alignment, std::size_t size) { return memalign(alignment, size); }

int posix_memalign(void** result, std::size_t alignment, std::size_t size)
{
    void* memory = memalign(alignment, size);
    if (!memory)
        return ENOMEM;
    *result = memory;
    return 0;
}

void free(void* memory)
{
    Given(memory);
    __libc_free(memory);
}

}  // extern "C"

#endif
