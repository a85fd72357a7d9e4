#include <gtest/gtest.h>

#include "ScratchAppFolder.h"
#include "texts/KeyedTextFile.h"

namespace orvanta {
namespace {

TEST(KeyedTextFile, KeyAtTheVeryFirstCharacterIsNotFound) {
    // The first occurrence is the one that counts, even when the key appears again later.
    const KeyedTextFile atStart(
        cp1251("Солнце в Овне рвётся вперёд\r\n#\r\nСолнце в Овне ещё раз\r\n#\r\n"));
    EXPECT_FALSE(atStart.findEntry("Солнце в Овне", 2));

    const KeyedTextFile afterOneByte(cp1251("\nСолнце в Овне рвётся вперёд\r\n#\r\n"));
    EXPECT_EQ(afterOneByte.findEntry("Солнце в Овне", 2), "Солнце в Овне рвётся вперёд");
}

TEST(KeyedTextFile, CutRemovesTheLastCharactersBeforeTheHash) {
    const KeyedTextFile file(
        cp1251("Краткая характеристика\r\n"
               "#\r\n"
               "Солнце в Овне смело берётся за новое\r\nи не ждёт разрешения\r\n"
               "#\r\n"
               "Луна в Раке бережёт дом\r\n"
               "#\r\n"));
    const std::string entry = "Солнце в Овне смело берётся за новое\r\nи не ждёт разрешения";
    EXPECT_EQ(file.findEntry("Солнце в Овне", 2), entry);
    EXPECT_EQ(file.findEntry("Солнце в Овне", 1), entry + "\r");
    EXPECT_EQ(file.findEntry("Солнце в Овне", 0), entry + "\r\n");
    EXPECT_EQ(file.findEntry("Луна в Раке", 2), "Луна в Раке бережёт дом");
    EXPECT_FALSE(file.findEntry("Марс в Овне", 2));
}

TEST(KeyedTextFile, KeysAreComparedExactly) {
    const KeyedTextFile file(
        cp1251("Пример: луна в раке пишется здесь строчными.\r\n"
               "#\r\n"
               "Луна в Раке заботлива\r\n"
               "#\r\n"));
    EXPECT_EQ(file.findEntry("Луна в Раке", 2), "Луна в Раке заботлива");
    EXPECT_FALSE(file.findEntry("ЛУНА В РАКЕ", 2));
    // A key the code page cannot hold never matches.
    EXPECT_FALSE(file.findEntry("Луна в Раке ☽", 2));
    EXPECT_FALSE(file.findEntry("", 2));
}

TEST(KeyedTextFile, EntryWithoutHashIsFoundButEmpty) {
    const KeyedTextFile file(cp1251("Вступление\r\nСатурн в Деве любит порядок\r\n"));
    EXPECT_EQ(file.findEntry("Сатурн в Деве", 2), "");
    EXPECT_EQ(file.findAspectText("Сатурн в Деве"), "");
}

TEST(KeyedTextFile, ZeroByteEndsTheText) {
    std::string bytes = cp1251("Вступление\r\n#\r\n");
    bytes += '\0';
    bytes += cp1251("Марс в Овне горяч\r\n#\r\n");
    const KeyedTextFile file(bytes);
    EXPECT_FALSE(file.findEntry("Марс в Овне", 2));
    EXPECT_EQ(file.bytes(), cp1251("Вступление\r\n#\r\n"));
}

TEST(KeyedTextFile, AspectTextLiesBetweenTheTitleLineAndTheLineEndBeforeTheHash) {
    const KeyedTextFile file(
        cp1251("Аспекты\r\n"
               "#\r\n"
               "1. Тригон.\r\n"
               "образуют тригон: pl1 и pl2 поддерживают друг друга.\r\n"
               "#\r\n"
               "2. Тригон.\r\n"
               "снова тригон.\r\n"
               "#\r\n"));
    EXPECT_EQ(file.findAspectText("1. Тригон."),
              "образуют тригон: pl1 и pl2 поддерживают друг друга.");
    EXPECT_EQ(file.findAspectText("2. Тригон."), "снова тригон.");
    EXPECT_FALSE(file.findAspectText("3. Тригон."));
}

}  // namespace
}  // namespace orvanta
