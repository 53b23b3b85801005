#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/settings/SettingsStore.h"
#include "core/platform/Errors.h"
#include "core/platform/GrowingBuffer.h"
#include "testing/FakeRegistry.h"

namespace vitrex {
namespace {

using fakes::FakeRegistry;
using fakes::FakeRegistryValue;

constexpr const char* kKey = "Software\\Test";

std::string ErrorOf(const std::function<void()>& read) {
    try {
        read();
    } catch (const RegistryError& error) {
        return error.what();
    }
    return "(no error)";
}

struct TypedReads : ::testing::Test {
    TypedReads() { key = registry.OpenOrCreateKey(kKey); }
    FakeRegistry registry;
    std::unique_ptr<RegistryKey> key;
};

TEST_F(TypedReads, NumbersComeFromDwordsOfAtMostFourBytes) {
    registry.Seed(kKey, "Negative", FakeRegistryValue::Dword(0xFFFFFFFEu));
    registry.Seed(kKey, "Seven", FakeRegistryValue::Dword(7));
    registry.Seed(kKey, "Zero", FakeRegistryValue::Dword(0));
    registry.Seed(kKey, "Short", {RegistryType::Dword, {}, {0x34, 0x12}});
    EXPECT_EQ(key->ReadInteger("Negative"), -2);
    EXPECT_EQ(key->ReadInteger("short"), 0x1234);
    EXPECT_TRUE(key->ReadBool("Seven"));
    EXPECT_TRUE(key->ReadBool("Negative"));
    EXPECT_FALSE(key->ReadBool("Zero"));
}

TEST_F(TypedReads, NumberThatCannotBeFetchedNamesTheValue) {
    registry.Seed(kKey, "Wide", {RegistryType::Dword, {}, {1, 0, 0, 0, 0, 0, 0, 0}});
    registry.Seed(kKey, "Quad", FakeRegistryValue::Qword(1));
    registry.Seed(kKey, "LongText", FakeRegistryValue::Sz("10"));  // 6 bytes in UTF-16
    EXPECT_EQ(ErrorOf([&] { key->ReadInteger("Missing"); }),
              "Fehler beim Holen der Daten f\xC3\xBCr 'Missing'");
    EXPECT_EQ(ErrorOf([&] { key->ReadBool("Wide"); }), "Fehler beim Holen der Daten f\xC3\xBCr 'Wide'");
    EXPECT_EQ(ErrorOf([&] { key->ReadInteger("Quad"); }), "Fehler beim Holen der Daten f\xC3\xBCr 'Quad'");
    EXPECT_EQ(ErrorOf([&] { key->ReadInteger("LongText"); }),
              "Fehler beim Holen der Daten f\xC3\xBCr 'LongText'");
}

TEST_F(TypedReads, NumberOfAnotherTypeThatFitsIsAnInvalidType) {
    registry.Seed(kKey, "OneChar", FakeRegistryValue::Sz("1"));  // 4 bytes in UTF-16
    registry.Seed(kKey, "Blob", FakeRegistryValue::Binary({1, 0}));
    EXPECT_EQ(ErrorOf([&] { key->ReadInteger("OneChar"); }),
              "Ung\xC3\xBCltiger Datentyp f\xC3\xBCr 'OneChar'");
    EXPECT_EQ(ErrorOf([&] { key->ReadBool("Blob"); }), "Ung\xC3\xBCltiger Datentyp f\xC3\xBCr 'Blob'");
}

TEST_F(TypedReads, TextIsTakenUnexpandedAndMissingOrEmptyReadsEmpty) {
    registry.Seed(kKey, "Plain",
                  FakeRegistryValue::Sz("Gr\xC3\xBC\xC3\x9F"
                                        "e \xD0\x92\xD0\xB8"));
    registry.Seed(kKey, "Expand", FakeRegistryValue::ExpandSz("%SystemRoot%\\x"));
    registry.Seed(kKey, "EmptyBlob", FakeRegistryValue::Binary({}));
    registry.Seed(kKey, "Cut", FakeRegistryValue::Sz(std::string("ab\0cd", 5)));
    EXPECT_EQ(key->ReadText("Plain"),
              "Gr\xC3\xBC\xC3\x9F"
              "e \xD0\x92\xD0\xB8");
    EXPECT_EQ(key->ReadText("Expand"), "%SystemRoot%\\x");
    EXPECT_EQ(key->ReadText("Missing"), "");
    EXPECT_EQ(key->ReadText("EmptyBlob"), "");
    EXPECT_EQ(key->ReadText("Cut"), "ab");
}

TEST_F(TypedReads, TextOfAnotherTypeIsAnInvalidType) {
    registry.Seed(kKey, "Number", FakeRegistryValue::Dword(3));
    EXPECT_EQ(ErrorOf([&] { key->ReadText("Number"); }), "Ung\xC3\xBCltiger Datentyp f\xC3\xBCr 'Number'");
}

TEST(SettingsKeyPaths, WhatTheClosePathWritesUnderTheRootedPathIsWhatStartUpReads) {
    FakeRegistry registry;
    settings::SettingsStore closing(registry, settings::kSettingsKeyRooted);
    closing.WriteInteger(settings::SettingId::AB_TaskBar, 60);
    settings::SettingsStore starting(registry, settings::kSettingsKey);
    EXPECT_EQ(starting.ReadInteger(settings::SettingId::AB_TaskBar), 60);
    EXPECT_EQ(registry.ValueNames("software\\VITREX"), std::vector<std::string>{"AB_TaskBar"});
}

// A fill that needs `needed` bytes and, like the performance-data query, reports size 0 when
// the buffer is too small.
struct NeedsBytes {
    std::size_t needed;
    std::vector<std::size_t> offered;
    FillAttempt operator()(std::vector<std::uint8_t>& buffer) {
        offered.push_back(buffer.size());
        if (buffer.size() < needed) return {true, 0};
        for (std::size_t i = 0; i < needed; ++i)
            buffer[i] = static_cast<std::uint8_t>(i);
        return {false, needed};
    }
};

TEST(GrowingBuffer, DoublesUntilTheDataFitsAndKeepsOnlyTheBytesUsed) {
    NeedsBytes fill{1000, {}};
    const auto data = ReadWithGrowingBuffer(std::ref(fill), 256, 1 << 20);
    EXPECT_EQ(fill.offered, (std::vector<std::size_t>{256, 512, 1024}));
    ASSERT_EQ(data.size(), 1000u);
    EXPECT_EQ(data[999], static_cast<std::uint8_t>(999));
}

TEST(GrowingBuffer, StopsAtTheLimit) {
    NeedsBytes fill{5000, {}};
    EXPECT_THROW(ReadWithGrowingBuffer(std::ref(fill), 1024, 3000), RegistryError);
    EXPECT_EQ(fill.offered, (std::vector<std::size_t>{1024, 2048, 3000}));
}

TEST(GrowingBuffer, UsedSizeBeyondTheBufferIsNotBelieved) {
    const auto data = ReadWithGrowingBuffer(
        [](std::vector<std::uint8_t>&) {
            return FillAttempt{false, 1u << 30};
        },
        64, 1024);
    EXPECT_EQ(data.size(), 64u);
}

}  // namespace
}  // namespace vitrex
