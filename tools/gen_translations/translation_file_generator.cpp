#include "tools/gen_translations/translation_file_generator.h"

#include <array>
#include <random>
#include <string_view>

namespace lingotab::tools {

namespace {

constexpr std::array<std::string_view, 24> kEnglish = {
    "Customer", "order",  "delivery", "invoice", "Save",     "changes", "before", "closing",
    "Print",    "report", "for",      "the",     "selected", "period",  "Open",   "file",
    "Discount", "amount", "&",        "<none>",  "Total",    "items",   "Cancel", "status"};
constexpr std::array<std::string_view, 24> kRussian = {
    "Клиент", "заказ",  "доставка", "счёт",      "Сохранить", "изменения", "перед",  "закрытием",
    "Печать", "отчёта", "за",       "выбранный", "период",    "Открыть",   "файл",   "Скидка",
    "сумма",  "&",      "<нет>",    "Итого",     "позиций",   "Отмена",    "статус", "всего"};
constexpr std::array<std::string_view, 8> kForms = {
    "TMainForm",     "TOrderForm", "TCustomerForm", "TReportForm",
    "TSettingsForm", "TAboutForm", "TInvoiceForm",  "TSearchForm"};
constexpr std::array<std::string_view, 8> kControls = {"Label", "Button",   "Edit",   "MenuItem",
                                                       "Panel", "CheckBox", "Action", "Grid"};
constexpr std::array<std::string_view, 6> kProperties = {"Caption",    "Hint",     "Text",
                                                         "Lines.Text", "Category", "Title"};
constexpr std::array<std::string_view, 6> kUnquoted = {"120",      "clBtnFace", "True",
                                                       "[fsBold]", "-11",       "taCenter"};

class Writer {
  public:
    explicit Writer(std::uint64_t seed) : random_(seed) {}

    std::string run(int units) {
        out_.reserve(static_cast<size_t>(units) * 250 + 1024);
        out_ +=
            "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
            "<!DOCTYPE xliff PUBLIC \"-//XLIFF//DTD XLIFF//EN\" "
            "\"http://www.oasis-open.org/committees/xliff/documents/xliff.dtd\" >\n"
            "<xliff version=\"1.0\">\n"
            "  <file source-language=\"en\" target-language=\"ru\" datatype=\"plaintext\" "
            "original=\"Main.dfm\">\n"
            "    <header>\n"
            "      <note>Synthetic form translations</note>\n"
            "    </header>\n"
            "    <body>\n";
        for (int i = 1; i <= units; ++i) unit(i);
        out_ += "    </body>\n  </file>\n</xliff>\n";
        return std::move(out_);
    }

  private:
    int below(int n) { return below(random_, n); }
    static int below(std::mt19937_64& random, int n) {
        return static_cast<int>(random() % static_cast<std::uint64_t>(n));
    }

    void escaped(std::string_view text) {
        for (const char c : text) switch (c) {
                case '&':
                    out_ += "&amp;";
                    break;
                case '<':
                    out_ += "&lt;";
                    break;
                case '>':
                    out_ += "&gt;";
                    break;
                case '"':
                    out_ += "&quot;";
                    break;
                default:
                    out_ += c;
            }
    }

    // `count` words from `words`, quoted with `quote`, with a line break in
    // the middle when `multiLine` (written the way the form compiler writes
    // it in sources, as a real one in translations). Source and translation
    // draw from generators of the same seed, so they match word for word.
    template <size_t N>
    void phrase(const std::array<std::string_view, N>& words, std::uint64_t seed, int count,
                char quote, bool multiLine, std::string_view lineBreak) {
        std::mt19937_64 random(seed);
        std::string text(1, quote);
        for (int w = 0; w < count; ++w) {
            if (w) text += ' ';
            text += words[below(random, N)];
            if (multiLine && w == count / 2) text += lineBreak;
        }
        text += quote;
        escaped(text);
    }

    void unit(int id) {
        const int kind = below(100);
        const bool quoted = kind < 62;
        const char quote = kind < 55 ? '\'' : '"';
        const int words = 3 + below(12);
        const bool multiLine = below(100) < 8;
        const std::uint64_t textSeed = random_();
        const std::string_view unquoted = kind < 96 ? kUnquoted[below(kUnquoted.size())] : "";

        out_ += "      <trans-unit id=\"" + std::to_string(id) + "\" resname=\"";
        out_ += kForms[below(kForms.size())];
        out_ += '.';
        out_ += kControls[below(kControls.size())];
        out_ += std::to_string(below(40) + 1);
        out_ += '.';
        out_ += kProperties[below(kProperties.size())];
        out_ += "\">\n        <source>";
        if (quoted)
            phrase(kEnglish, textSeed, words, quote, multiLine, quote == '\'' ? "'#13#10'" : "\n");
        else
            escaped(unquoted);
        out_ += "</source>\n";

        const int target = below(100);
        if (quoted && target < 82) {
            out_ += "        <target>";
            phrase(kRussian, textSeed, words, quote, multiLine, "\n");
            out_ += "</target>\n";
        } else if (!quoted && target < 15) {
            out_ += "        <target>";
            escaped(unquoted);
            out_ += "</target>\n";
        } else if (target < 90) {
            out_ += "        <target></target>\n";
        }
        out_ += "      </trans-unit>\n";
    }

    std::mt19937_64 random_;
    std::string out_;
};

}  // namespace

std::string generateTranslationFile(int units, std::uint64_t seed) {
    return Writer(seed).run(units);
}

}  // namespace lingotab::tools
