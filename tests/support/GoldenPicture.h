// Pictures compared pixel for pixel with the PNG files kept beside a test
// program's sources (VENTRO_GOLDEN_DIR); VENTRO_WRITE_GOLDEN=1 writes them
// instead, to be looked at before they are kept.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/Text.h"
#include "skin/gfx/WicPng.h"

namespace ventro::test {

inline std::wstring GoldenPath(const std::string& name)
{
    // Z: is the whole Unix file system under Wine.
    return Utf8ToWide(std::string("Z:") + VENTRO_GOLDEN_DIR + "/" + name + ".png");
}

inline void ExpectGolden(const std::string& name, const Picture32& picture)
{
    if (std::getenv("VENTRO_WRITE_GOLDEN")) {
        WritePng32(GoldenPath(name), picture);
        return;
    }
    Picture32 golden = ReadPng32(GoldenPath(name));
    ASSERT_EQ(golden.Width, picture.Width) << name;
    ASSERT_EQ(golden.Height, picture.Height) << name;
    size_t differing = 0, first = 0;
    for (size_t i = 0; i < golden.Bgra.size(); ++i)
        if (golden.Bgra[i] != picture.Bgra[i] && differing++ == 0)
            first = i / 4;
    EXPECT_EQ(differing, 0u) << name << ": first difference at " << first % size_t(golden.Width) << ","
                             << first / size_t(golden.Width);
}

} // namespace ventro::test
