#include "sheets/embedded/xlsx_writer.h"

#include "platform/exception.h"
#include "sheets/embedded/zip_level.h"

#include <xlsxwriter.h>
#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <cctype>
#include <cstring>
#include <map>
#include <set>
#include <tuple>

namespace lingotab::sheets {

namespace {

[[noreturn]] void fail(const QString& path, const QString& reason) {
    throw Exception(QStringLiteral("Cannot write the workbook \"%1\": %2")
                        .arg(QDir::toNativeSeparators(path), reason));
}

void check(lxw_error error, const QString& path) {
    if (error != LXW_NO_ERROR) fail(path, QString::fromUtf8(lxw_strerror(error)));
}

uint8_t toLxw(HorizontalAlignment alignment) {
    switch (alignment) {
        case HorizontalAlignment::General:
            return LXW_ALIGN_NONE;
        case HorizontalAlignment::Left:
            return LXW_ALIGN_LEFT;
        case HorizontalAlignment::Center:
            return LXW_ALIGN_CENTER;
        case HorizontalAlignment::Right:
            return LXW_ALIGN_RIGHT;
        case HorizontalAlignment::Fill:
            return LXW_ALIGN_FILL;
        case HorizontalAlignment::Justify:
            return LXW_ALIGN_JUSTIFY;
        case HorizontalAlignment::CenterAcrossSelection:
            return LXW_ALIGN_CENTER_ACROSS;
        case HorizontalAlignment::Distributed:
            return LXW_ALIGN_DISTRIBUTED;
    }
    return LXW_ALIGN_NONE;
}

lxw_color_t toLxwColor(int colorNumber) {
    const int rgb = toRgb(colorNumber);
    return rgb == 0 ? static_cast<lxw_color_t>(LXW_COLOR_BLACK) : static_cast<lxw_color_t>(rgb);
}

// One writer format per distinct cell format.
class FormatTable {
  public:
    explicit FormatTable(lxw_workbook* workbook) : workbook_(workbook) {}

    lxw_format* get(const CellFormat& format) {
        if (format.isDefault()) return nullptr;
        auto [it, inserted] = formats_.try_emplace(format, nullptr);
        if (inserted) it->second = create(format);
        return it->second;
    }

  private:
    lxw_format* create(const CellFormat& f) {
        lxw_format* format = workbook_add_format(workbook_);
        if (f.bold.value_or(false)) format_set_bold(format);
        if (f.fontName) format_set_font_name(format, f.fontName->toUtf8().constData());
        if (f.fontSize) format_set_font_size(format, *f.fontSize);
        if (f.fontColor) format_set_font_color(format, toLxwColor(*f.fontColor));
        if (f.alignment) format_set_align(format, toLxw(*f.alignment));
        if (f.fillColor) {
            format_set_pattern(format, LXW_PATTERN_SOLID);
            format_set_bg_color(format, toLxwColor(*f.fillColor));
        }
        if (f.textNumberFormat) format_set_num_format(format, "@");
        return format;
    }

    lxw_workbook* workbook_;
    std::map<CellFormat, lxw_format*> formats_;
};

// Cell texts as the writer takes them: UTF-8, NUL-terminated, in one buffer
// reused for every cell.
class TextEncoder {
  public:
    const char* encode(QStringView text) {
        buffer_.resize(encoder_.requiredSpace(text.size()) + 1);
        char* end = encoder_.appendToBuffer(buffer_.data(), text);
        *end = '\0';
        buffer_.resize(end - buffer_.data());
        if (std::memchr(buffer_.constData(), '_', buffer_.size())) escapeHexEscapes();
        return buffer_.constData();
    }

  private:
    // The file format reads "_xHHHH_" as an escaped character; a text that
    // holds one literally keeps it by escaping its underscore as "_x005F_".
    void escapeHexEscapes() {
        const auto isHex = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); };
        for (qsizetype i = 0; i + 6 < buffer_.size(); ++i) {
            const char* p = buffer_.constData() + i;
            if (p[0] == '_' && p[1] == 'x' && isHex(p[2]) && isHex(p[3]) && isHex(p[4]) &&
                isHex(p[5]) && p[6] == '_') {
                buffer_.insert(i, "_x005F", 6);
                i += 6;
            }
        }
    }

    QStringEncoder encoder_{QStringEncoder::Utf8};
    QByteArray buffer_;
};

// Saves a worksheet's used range and puts it back when it goes.
class UsedRange {
  public:
    explicit UsedRange(lxw_worksheet* ws)
        : ws_(ws),
          rows_{ws->dim_rowmin, ws->dim_rowmax},
          columns_{ws->dim_colmin, ws->dim_colmax} {}
    ~UsedRange() {
        std::tie(ws_->dim_rowmin, ws_->dim_rowmax) = rows_;
        std::tie(ws_->dim_colmin, ws_->dim_colmax) = columns_;
    }

  private:
    lxw_worksheet* ws_;
    std::pair<lxw_row_t, lxw_row_t> rows_;
    std::pair<lxw_col_t, lxw_col_t> columns_;
};

class SheetWriter {
  public:
    SheetWriter(const SheetModel& sheet, lxw_worksheet* worksheet, FormatTable& formats,
                TextEncoder& encoder, const QString& path)
        : sheet_(sheet),
          layers_(sheet.formats()),
          ws_(worksheet),
          formats_(formats),
          encoder_(encoder),
          path_(path) {}

    void write() {
        writeColumns();
        writeRows();
    }

  private:
    // Columns in runs that share one format and width; the boundaries are
    // those of every change limited to some columns.
    void writeColumns() {
        // The writer counts column formats into the sheet's used range: every
        // streamed row would then walk all 16,384 columns (ten times the
        // time of the whole sheet) and the file would claim cells up to XFD.
        // The used range is that of the cells; keep it so.
        const UsedRange cells(ws_);
        std::set<int> bounds{1, kMaxColumns + 1};
        for (const FormatLayers::Change& c : layers_.changes())
            if (!c.area.wholeRows()) bounds.insert({c.area.left, c.area.right + 1});
        for (const ColumnWidths::Change& c : sheet_.widths().changes())
            bounds.insert({c.first, c.last + 1});
        for (auto it = bounds.begin(); std::next(it) != bounds.end(); ++it) {
            const int first = *it, last = *std::next(it) - 1;
            if (layers_.columnKey(first))
                for (int c = first; c <= last; ++c) limitedColumns_.push_back(c);
            lxw_format* format = formats_.get(layers_.resolve(0, first));
            const double width = sheet_.widths().widthOf(first);
            if (format || width != kStandardColumnWidth)
                check(worksheet_set_column(ws_, first - 1, last - 1, width, format), path_);
        }
    }

    int lastRow() const {
        int last = sheet_.cells().rowCount();
        for (const FormatLayers::Change& c : layers_.changes())
            if (!c.area.wholeColumns()) last = std::max(last, c.area.bottom);
        return last;
    }

    void writeRows() {
        const int last = lastRow();
        for (int r = 1; r <= last; ++r) {
            const int rowKey = layers_.rowKey(r);
            const bool hasCells = r <= sheet_.cells().rowCount() && !sheet_.cells().row(r).empty();
            if (!rowKey && !hasCells) continue;
            std::optional<CellFormat> rowFormat;
            if (rowKey) {
                rowFormat = layers_.rowFormat(r);
                if (rowFormat)
                    check(
                        worksheet_set_row(ws_, r - 1, LXW_DEF_ROW_HEIGHT, formats_.get(*rowFormat)),
                        path_);
            }
            writeRow(r, rowKey, rowFormat);
        }
    }

    // A row's values, and where a change limited to this row crosses one
    // limited to some columns, the cells whose format neither the row's nor
    // the column's format gives.
    void writeRow(int r, int rowKey, const std::optional<CellFormat>& rowFormat) {
        static const std::vector<QString> noCells;
        const std::vector<QString>& cells =
            r <= sheet_.cells().rowCount() ? sheet_.cells().row(r) : noCells;
        const int count = static_cast<int>(cells.size());
        auto limited = rowKey ? limitedColumns_.cbegin() : limitedColumns_.cend();
        for (int c = 1;;) {
            while (c <= count && cells[c - 1].isEmpty()) ++c;
            while (limited != limitedColumns_.cend() && *limited < c) ++limited;
            const bool blank = limited != limitedColumns_.cend() && (c > count || *limited < c);
            if (blank) c = *limited;
            if (c > count && !blank) break;
            if (blank)
                writeBlank(r, c, rowKey, rowFormat);
            else
                writeText(r, c, rowKey, cells[c - 1]);
            ++c;
        }
    }

    void writeText(int r, int c, int rowKey, const QString& raw) {
        const bool prefix = hasTextPrefix(raw);
        lxw_format* format = cellFormat(rowKey, layers_.columnKey(c), prefix);
        const QStringView text = cellText(raw);
        const lxw_error error =
            text.isEmpty()
                ? worksheet_write_blank(ws_, r - 1, c - 1, format)
                : worksheet_write_string(ws_, r - 1, c - 1, encoder_.encode(text), format);
        check(error, path_);
    }

    void writeBlank(int r, int c, int rowKey, const std::optional<CellFormat>& rowFormat) {
        const CellFormat& own = layers_.resolve(rowKey, layers_.columnKey(c));
        const CellFormat& shown = rowFormat ? *rowFormat : layers_.resolve(0, c);
        if (own != shown) check(worksheet_write_blank(ws_, r - 1, c - 1, formats_.get(own)), path_);
    }

    lxw_format* cellFormat(int rowKey, int columnKey, bool textPrefix) {
        auto [it, inserted] = cellFormats_.try_emplace({rowKey, columnKey, textPrefix}, nullptr);
        if (inserted) {
            CellFormat format = layers_.resolve(rowKey, columnKey);
            format.textNumberFormat = format.textNumberFormat || textPrefix;
            it->second = formats_.get(format);
        }
        return it->second;
    }

    const SheetModel& sheet_;
    const FormatLayers& layers_;
    lxw_worksheet* ws_;
    FormatTable& formats_;
    TextEncoder& encoder_;
    const QString& path_;
    std::vector<int> limitedColumns_;  // ascending
    std::map<std::tuple<int, int, bool>, lxw_format*> cellFormats_;
};

struct WorkbookHandle {
    lxw_workbook* workbook;
    ~WorkbookHandle() {
        if (workbook) lxw_workbook_free(workbook);
    }
};

}  // namespace

void writeXlsx(const WorkbookModel& model, const QString& path) {
    useFastDeflate();
    const QByteArray fileName = QFile::encodeName(path);
    // Constant memory: rows go to the file as they are written, texts inline.
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    WorkbookHandle handle{workbook_new_opt(fileName.constData(), &options)};
    if (!handle.workbook) fail(path, QStringLiteral("the writer could not start"));
    try {
        FormatTable formats(handle.workbook);
        TextEncoder encoder;
        std::vector<lxw_worksheet*> worksheets;
        for (int i = 0; i < model.count(); ++i) {
            const QByteArray name = model.sheet(i)->name().toUtf8();
            lxw_worksheet* ws = workbook_add_worksheet(handle.workbook, name.constData());
            if (!ws)
                fail(path, QStringLiteral("the sheet name \"%1\" was refused")
                               .arg(model.sheet(i)->name()));
            SheetWriter(*model.sheet(i), ws, formats, encoder, path).write();
            if (model.sheet(i) == model.activeSheet()) worksheet_activate(ws);
        }
        lxw_workbook* workbook = std::exchange(handle.workbook, nullptr);
        check(workbook_close(workbook), path);
    } catch (...) {
        QFile::remove(path);
        throw;
    }
}

}  // namespace lingotab::sheets
