// Checks the text library of the application folder as the synthesis will read it. The checks
// are about structure, not wording, so they hold for a library the user has edited as well.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "calc/Bodies.h"
#include "common/AppFolder.h"
#include "common/Windows1251.h"
#include "texts/TextKeys.h"
#include "texts/TextLibrary.h"

namespace orvanta {
namespace {

constexpr std::string_view kAllFiles[] = {
    TextLibrary::kOpening,      TextLibrary::kShortIntroduction,
    TextLibrary::kShortTraits,  TextLibrary::kAfterShortTraits,
    TextLibrary::kPlanetTraits, TextLibrary::kAspectsIntroduction,
    TextLibrary::kAspects,      TextLibrary::kClosing,
    TextLibrary::kMiddle,       TextLibrary::kCosmogramClosing,
};

std::string readRaw(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The offset of the first line end that is not CR LF, or npos.
std::size_t firstBadLineEnd(const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) return i;
        if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')) return i;
    }
    return std::string::npos;
}

std::vector<std::string> bodyInSignKeys(bool traits) {
    std::vector<std::string> keys;
    for (int body = 1; body <= Bodies::kBodyCount; ++body) {
        for (int sign = 1; sign <= 12; ++sign) {
            const auto name = Bodies::name(body);
            keys.push_back(traits ? TextKeys::traitsKey(name, sign)
                                  : TextKeys::bodyInSign(name, sign));
        }
    }
    return keys;
}

std::vector<std::string> aspectTitles() {
    std::vector<std::string> titles;
    for (int a = 0; a < TextKeys::kAspectCount; ++a) {
        for (int v = 1; v <= TextKeys::kVariantCount; ++v) {
            titles.push_back(TextKeys::aspectTitle(static_cast<TextKeys::Aspect>(a), v));
        }
    }
    return titles;
}

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n,.;:—-");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(first, last - first + 1));
}

// One keyed file and the keys the synthesis looks up in it.
class KeyedFileCheck {
  public:
    KeyedFileCheck(std::string_view name, std::size_t cut, std::vector<std::string> keys,
                   std::vector<std::string> titles = {})
        : name_(name), cut_(cut), keys_(std::move(keys)), titles_(std::move(titles)) {
        TextLibrary().loadKeyedFile(name, file_);
        for (const auto& key : allKeys()) encoded_.push_back(*Windows1251::fromUtf8(key));
    }

    void run() {
        ASSERT_TRUE(file_) << name_ << " cannot be read";
        for (const auto& key : keys_) checkEntry(key);
        for (const auto& title : titles_) checkAspect(title);
    }

  private:
    std::vector<std::string> allKeys() const {
        auto all = keys_;
        all.insert(all.end(), titles_.begin(), titles_.end());
        return all;
    }

    const std::string& bytes() const { return file_->bytes(); }

    // Where the synthesis finds the key, checked to be the entry the file means for it.
    std::optional<std::size_t> placeOf(const std::string& key) {
        const auto encoded = *Windows1251::fromUtf8(key);
        const auto at = bytes().find(encoded);
        if (at == std::string::npos || at == 0) {
            ADD_FAILURE() << name_ << ": no entry \"" << key << "\"";
            return std::nullopt;
        }
        EXPECT_EQ(bytes()[at - 1], '\n')
            << name_ << ": \"" << key << "\" first occurs inside other text, not at a line start";
        const auto hash = bytes().find('#', at + encoded.size());
        if (hash == std::string::npos) {
            ADD_FAILURE() << name_ << ": no \"#\" after \"" << key << "\"";
            return std::nullopt;
        }
        EXPECT_TRUE(hash >= 2 && bytes().compare(hash - 2, 2, "\r\n") == 0)
            << name_ << ": the entry \"" << key << "\" is not closed by CR LF and a \"#\" line";
        expectNoOtherEntryInside(key, at, hash);
        expectNoLaterEntry(key, encoded, hash);
        return at;
    }

    // A key at the start of a line inside the entry means a "#" line is missing before it.
    void expectNoOtherEntryInside(const std::string& key, std::size_t from, std::size_t to) {
        for (auto line = bytes().find('\n', from); line < to; line = bytes().find('\n', line + 1)) {
            for (std::size_t k = 0; k < encoded_.size(); ++k) {
                if (bytes().compare(line + 1, encoded_[k].size(), encoded_[k]) == 0) {
                    ADD_FAILURE() << name_ << ": the entry \"" << key << "\" runs into \""
                                  << allKeys()[k] << "\"";
                }
            }
        }
    }

    // A second entry for the same key would never be read.
    void expectNoLaterEntry(const std::string& key, const std::string& encoded, std::size_t from) {
        for (auto at = bytes().find(encoded, from); at != std::string::npos;
             at = bytes().find(encoded, at + 1)) {
            const auto lineStart = bytes().rfind('\n', at - 1);
            const auto previousLine = bytes().rfind('\n', lineStart - 1) + 1;
            if (lineStart + 1 == at && bytes()[previousLine] == '#') {
                ADD_FAILURE() << name_ << ": a second entry \"" << key << "\" is never read";
            }
        }
    }

    void expectDistinct(const std::string& key, const std::string& text) {
        const auto [it, inserted] = seen_.emplace(trimmed(text), key);
        EXPECT_TRUE(inserted) << name_ << ": \"" << key << "\" repeats the text of \"" << it->second
                              << "\"";
    }

    void checkEntry(const std::string& key) {
        if (!placeOf(key)) return;
        const auto entry = file_->findEntry(key, cut_);
        ASSERT_TRUE(entry);
        const auto text = entry->substr(key.size());
        EXPECT_FALSE(trimmed(text).empty()) << name_ << ": the entry \"" << key << "\" is empty";
        expectDistinct(key, text);
    }

    void checkAspect(const std::string& title) {
        const auto at = placeOf(title);
        if (!at) return;
        const auto encoded = *Windows1251::fromUtf8(title);
        EXPECT_EQ(bytes().compare(*at + encoded.size(), 2, "\r\n"), 0)
            << name_ << ": the title \"" << title << "\" is not on a line of its own";
        const auto text = file_->findAspectText(title);
        ASSERT_TRUE(text);
        EXPECT_FALSE(trimmed(*text).empty()) << name_ << ": no text under \"" << title << "\"";
        // A marker at the very start of the text is left unreplaced by the synthesis.
        EXPECT_NE(text->rfind("pl", 0), 0u)
            << name_ << ": \"" << title << "\" starts with a marker";
        expectDistinct(title, *text);
    }

    std::string name_;
    std::size_t cut_;
    std::vector<std::string> keys_;
    std::vector<std::string> titles_;
    std::vector<std::string> encoded_;
    std::optional<KeyedTextFile> file_;
    std::map<std::string, std::string> seen_;
};

TEST(DeliveredLibrary, EveryFileIsPresentWithCrLfAndNoZeroBytes) {
    const TextLibrary library;
    for (const auto name : kAllFiles) {
        const auto path = library.pathOf(name);
        ASSERT_TRUE(std::filesystem::is_regular_file(path)) << path;
        const auto bytes = readRaw(path);
        EXPECT_EQ(bytes.find('\0'), std::string::npos) << name << " holds a zero byte";
        const auto bad = firstBadLineEnd(bytes);
        EXPECT_EQ(bad, std::string::npos) << name << ": a line end other than CR LF at " << bad;
    }
}

TEST(DeliveredLibrary, ShortTraitsHoldEveryBodyInEverySign) {
    KeyedFileCheck(TextLibrary::kShortTraits, TextLibrary::kShortTraitsCut, bodyInSignKeys(false))
        .run();
}

TEST(DeliveredLibrary, AspectsHoldEveryBodyInEverySignAndEveryTitle) {
    KeyedFileCheck(TextLibrary::kAspects, TextLibrary::kAspectsCut, bodyInSignKeys(false),
                   aspectTitles())
        .run();
}

TEST(DeliveredLibrary, PlanetTraitsHoldEveryBodyInEverySignAndSelenaWithLilith) {
    auto keys = bodyInSignKeys(true);
    keys.emplace_back(TextKeys::kSelenaAndLilith);
    KeyedFileCheck(TextLibrary::kPlanetTraits, TextLibrary::kPlanetTraitsCut, std::move(keys))
        .run();
}

// The synthesis writes the traits heading, which ends "...которые формирует", right before the
// entry, so the key has to stand alone on its line as the end of that heading.
TEST(DeliveredLibrary, PlanetTraitsKeysStandAloneOnTheirLines) {
    std::optional<KeyedTextFile> file;
    ASSERT_TRUE(TextLibrary().loadKeyedFile(TextLibrary::kPlanetTraits, file));
    auto keys = bodyInSignKeys(true);
    keys.emplace_back(TextKeys::kSelenaAndLilith);
    for (const auto& key : keys) {
        const auto encoded = *Windows1251::fromUtf8(key);
        const auto at = file->bytes().find(encoded);
        if (at == std::string::npos) continue;  // reported by the entry check
        EXPECT_EQ(file->bytes().compare(at + encoded.size(), 2, "\r\n"), 0)
            << "\"" << key << "\" continues on its own line";
    }
}

// The texts address the reader as "вы"; a masculine (or feminine) form agreeing with it leaves
// out half the readers. The check works on lower-cased Windows-1251 bytes, one byte a letter.
class AddressCheck {
  public:
    AddressCheck() {
        const std::string letter = "[\xE0-\xFF\xB8]";
        const std::string edge = "(^|[^\xE0-\xFF\xB8])";
        const std::string wordEnd = "([^\xE0-\xFF\xB8]|$)";
        // Verbs that take the reader as their subject or object, followed (within two words)
        // by a masculine instrumental "-ым" or a short form "-ен"/"-ён".
        const auto verbs = encode(
            "становитесь|станете|стали|остаётесь|останетесь|оставались|были|будете|бываете|"
            "кажетесь|казались|оказываетесь|окажетесь|делаетесь|выходите|выйдете|"
            "чувствуете себя|почувствуете себя|ощущаете себя|ощущали себя|считаете себя|"
            "видите себя|себе быть|делает вас|сделать вас|делают вас");
        afterVerb_ = std::regex(edge + "(" + verbs + ")[ ,]+(" + letter + "+[ ,]+){0,2}" + letter +
                                "+(" + encode("ым|ен|ён") + ")" + wordEnd);
        // Full forms that have agreed with "вы" in these texts before, wrong in any sentence
        // that speaks to the reader, and short forms wrong right after "вы".
        const auto forms = encode(
            "упрямым|незащищённым|обновлённым|неидеальным|несовершенным|одиноким|себя чужим|"
            "замеченным|полезным|уязвимым|отвергнутым|непохожим|ответственным|свободным|"
            "мудрым|догматичным|открытым|красноречивым|невредимым|защищённым|нужным|"
            "ценным помощником|прекрасным наставником|самого себя|самому себе");
        listedForm_ = std::regex(edge + "(" + forms + ")" + wordEnd);
        const auto shortForms = encode(
            "готов|способен|уверен|склонен|свободен|должен|одинок|защищён|доволен|вынужден|"
            "обязан|рад|прав|сам|один");
        shortAfterYou_ = std::regex(edge + encode("вы( не)? (") + shortForms + ")" + wordEnd);
        reader_ = std::regex(edge + "(" + encode("вы|вас|вам|вами") + ")" + wordEnd);
    }

    // Each sentence of the file that reads as addressed to a man.
    std::vector<std::string> gendered(const std::string& bytes) const {
        std::vector<std::string> found;
        std::string lower;
        for (const unsigned char c : bytes) lower += static_cast<char>(Windows1251::toLower(c));
        std::size_t start = 0;
        while (start < lower.size()) {
            auto end = lower.find_first_of(".!?#\n", start);
            if (end == std::string::npos) end = lower.size();
            const auto sentence = lower.substr(start, end - start);
            if (std::regex_search(sentence, afterVerb_) ||
                std::regex_search(sentence, shortAfterYou_) ||
                (std::regex_search(sentence, reader_) &&
                 std::regex_search(sentence, listedForm_))) {
                found.push_back(Windows1251::toUtf8(bytes.substr(start, end - start)));
            }
            start = end + 1;
        }
        return found;
    }

  private:
    static std::string encode(std::string_view utf8) { return *Windows1251::fromUtf8(utf8); }

    std::regex afterVerb_;
    std::regex listedForm_;
    std::regex shortAfterYou_;
    std::regex reader_;
};

TEST(DeliveredLibrary, NoFileAddressesTheReaderAsAMan) {
    const AddressCheck check;
    const TextLibrary library;
    for (const auto name : kAllFiles) {
        const auto bytes = readRaw(library.pathOf(name));
        for (const auto& sentence : check.gendered(bytes)) {
            ADD_FAILURE() << name << ": \"" << sentence << "\"";
        }
    }
}

// The check itself, on sentences worked out by hand: the faults it must catch and the
// neighbouring wordings it must let through.
TEST(DeliveredLibrary, AddressCheckTellsGenderedFromNeutralWording) {
    const AddressCheck check;
    const auto flags = [&](std::string_view utf8) {
        return !check.gendered(*Windows1251::fromUtf8(utf8)).empty();
    };
    EXPECT_TRUE(flags("Иногда вы становитесь упрямым в своей правоте."));
    EXPECT_TRUE(flags("После трудностей вы выходите из них обновлённым."));
    EXPECT_TRUE(flags("В детстве вы ощущали себя незащищённым."));
    EXPECT_TRUE(flags("Разрешив себе быть неидеальным, вы раскрываетесь."));
    EXPECT_TRUE(flags("Вы склонен спешить."));
    EXPECT_TRUE(flags("Вы сохраняете и мир, и самого себя."));
    EXPECT_FALSE(flags("Иногда упрямство берёт верх над здравым смыслом."));
    EXPECT_FALSE(flags("Вы выходите из трудностей обновлённой личностью."));
    EXPECT_FALSE(flags("Вы склонны спешить и готовы рисковать."));
    EXPECT_FALSE(flags("Характер может быть тяжёлым, но вы умеете мириться."));
    EXPECT_FALSE(flags("Человек становится упрямым."));
    EXPECT_FALSE(flags("Многое зависит от вас самих, а строит жизнь сам человек."));
    EXPECT_FALSE(flags("Вы цените широту взгляда и уважение к чужим мнениям."));
}

}  // namespace
}  // namespace orvanta
