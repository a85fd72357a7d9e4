#include <gtest/gtest.h>

#include "calc/Bodies.h"
#include "texts/TextKeys.h"

namespace orvanta {
namespace {

TEST(TextKeys, BodyInSignKeysUseThePrepositionalSignPhrase) {
    EXPECT_EQ(TextKeys::bodyInSign(Bodies::name(Bodies::Sun), 5), "Солнце во Льве");
    EXPECT_EQ(TextKeys::bodyInSign(Bodies::name(Bodies::Moon), 4), "Луна в Раке");
    EXPECT_EQ(TextKeys::bodyInSign(Bodies::name(Bodies::Lilith), 12), "Лилит в Рыбах");
    EXPECT_EQ(TextKeys::bodyInSign("Марс", 0), "");
    EXPECT_EQ(TextKeys::bodyInSign("Марс", 13), "");
}

TEST(TextKeys, OnlyTheNorthNodeGetsItsSecondNameInTheTraitsKey) {
    EXPECT_EQ(TextKeys::traitsKey(Bodies::name(Bodies::NorthNode), 1), "В.Узел (Раху) в Овне");
    EXPECT_EQ(TextKeys::traitsKey(Bodies::name(Bodies::SouthNode), 1), "Н.Узел в Овне");
    EXPECT_EQ(TextKeys::traitsKey(Bodies::name(Bodies::Sun), 10), "Солнце в Козероге");
    EXPECT_EQ(TextKeys::bodyInSign(Bodies::name(Bodies::NorthNode), 1), "В.Узел в Овне");
}

TEST(TextKeys, AspectTitles) {
    using Aspect = TextKeys::Aspect;
    EXPECT_EQ(TextKeys::aspectOfAngle(180), Aspect::Opposition);
    EXPECT_EQ(TextKeys::aspectOfAngle(90), Aspect::Square);
    EXPECT_EQ(TextKeys::aspectOfAngle(120), Aspect::Trine);
    EXPECT_EQ(TextKeys::aspectOfAngle(60), Aspect::Sextile);
    EXPECT_EQ(TextKeys::aspectOfAngle(0), Aspect::Conjunction);
    EXPECT_FALSE(TextKeys::aspectOfAngle(150));
    EXPECT_FALSE(TextKeys::aspectOfAngle(59.5));

    EXPECT_EQ(TextKeys::aspectTitle(Aspect::Opposition, 1), "1. Оппозиция.");
    EXPECT_EQ(TextKeys::aspectTitle(Aspect::Square, 2), "2. Квадратура.");
    EXPECT_EQ(TextKeys::aspectTitle(Aspect::Conjunction, 3), "3. Соединение.");
    // The fourth and later occurrences of an aspect keep the third variant.
    EXPECT_EQ(TextKeys::aspectTitle(Aspect::Trine, 4), "3. Тригон.");
}

}  // namespace
}  // namespace orvanta
