#pragma once
// What a process holds: kernel handles, GDI and USER objects, private bytes. Where the
// system's own counters answer 0 (Wine leaves GetGuiResources unimplemented) the
// objects are counted another way.
#include <cstddef>
#include <string>

struct ResourceCounts {
    size_t handles = 0, gdi = 0, user = 0, privateBytes = 0;
    std::string Text() const;  // "handles 41, GDI 57, USER 12, private 9.1 MB"
};

ResourceCounts CountResources();
