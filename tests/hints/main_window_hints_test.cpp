// The hints of the main window's five controls, in the template look and in
// three internal skins; with LINGOTAB_HINT_SHOTS naming a folder, each look
// is also saved there as one PNG of its five hints over a desktop colour.
// On X11 without a compositing manager, Qt's plain tooltips are shown and
// the screen is saved instead.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QToolTip>

#include "hints/manager/hint_machinery.h"
#include "hints/manager/hint_manager.h"
#include "hints/manager/per_pixel_alpha.h"
#include "hints/markup/image_canvas.h"
#include "hints/support/manual_scheduler.h"
#include "hints/templates/default_template.h"
#include "hints/window/hint_font.h"
#include "hints/window/hint_window.h"
#include "skins/manager/skin_manager.h"
#include "skins/manager/stored_skins.h"

namespace lingotab::hints {
namespace {

struct ControlHint {
    const char* text;
    int rows;
    bool bold;
};

const ControlHint kHints[] = {
    {"Открыть файл перевода Дельфи<br>(*.dfn, *.rcn)", 2, false},
    {"Автоматически выбрать строки для перевода<br>и передать их в файл Excel", 2, false},
    {"Количество строк,<br>отводимое под варианты перевода<br>каждого строкового ресурса", 3,
     false},
    {"Передавать только однажды <b>уже переведённые</b> строки,<br>а не все строковые ресурсы", 2,
     true},
    {"Передать строки для перевода в Excel,<br>расположив строку перевода <b>под строкой "
     "оригинала</b>,<br>а не справа от неё",
     3, true},
};

QString shotsFolder() {
    return QString::fromLocal8Bit(qgetenv("LINGOTAB_HINT_SHOTS"));
}

// The five pictures under their constant alpha, one below the other.
void saveSheet(const QString& name, const std::vector<std::pair<QImage, int>>& hints) {
    if (shotsFolder().isEmpty()) return;
    int width = 0;
    int height = 16;
    for (const auto& [picture, alpha] : hints) {
        width = std::max(width, picture.width());
        height += picture.height() + 16;
    }
    QImage sheet(width + 32, height, QImage::Format_ARGB32);
    sheet.fill(QColor(58, 110, 165));
    QPainter painter(&sheet);
    int y = 16;
    for (const auto& [picture, alpha] : hints) {
        painter.setOpacity(alpha / 255.0);
        painter.drawImage(16, y, picture);
        y += picture.height() + 16;
    }
    painter.end();
    QDir().mkpath(shotsFolder());
    EXPECT_TRUE(sheet.save(shotsFolder() + QLatin1Char('/') + name + QStringLiteral(".png")));
}

// The main window's hint manager: markup, PauseHide 8000, section "HINT",
// skin data on, on a machinery whose time the test steps.
struct MainWindowHints : testing::Test {
    MainWindowHints()
        : machinery(std::unique_ptr<HintScheduler>(scheduler = new test::ManualScheduler)) {
        skin.setInternalSkins(skins::builtInSkins());
        skin.setActive(false);
        manager.setSkinManager(&skin);
        manager.setHTMLMode(true);
        manager.setPauseHide(8000);
        manager.setSkinSection(QStringLiteral("HINT"));
        manager.setUseSkinData(true);
        manager.PerPixelAlpha = [] { return true; };
        manager.Loaded();
    }

    // Shows `text` as the hint of a control and lets it fade in.
    const TacCustomHintWindow& show(const QString& text) {
        QWidget& control = controls.emplace_back();
        control.setToolTip(text);
        machinery.mouseOver(nullptr);
        machinery.mouseOver(&control);
        EXPECT_TRUE(scheduler->fire());
        TacCustomHintWindow* window = machinery.hintWindow();
        while (window->fading()) window->stepFade();
        return *window;
    }

    // Heights of the five hints, checked for their rows; saved as one sheet.
    std::vector<int> showAll(const QString& look, int lineHeight) {
        std::vector<std::pair<QImage, int>> shots;
        std::vector<int> heights;
        for (const ControlHint& hint : kHints) {
            const TacCustomHintWindow& window = show(QString::fromUtf8(hint.text));
            shots.emplace_back(window.picture(), window.constantAlpha());
            heights.push_back(window.picture().height());
            if (hint.bold) {
                // Bold words are drawn wider than the same text plain.
                QString plain = QString::fromUtf8(hint.text);
                plain.remove(QStringLiteral("<b>")).remove(QStringLiteral("</b>"));
                const int boldWidth = window.picture().width();
                EXPECT_GT(boldWidth, show(plain).picture().width()) << hint.text;
            }
        }
        // Each further row adds the line height and the 2-pixel gap.
        EXPECT_EQ(heights[2] - heights[0], lineHeight + 2) << look.toStdString();
        EXPECT_EQ(heights[4] - heights[3], lineHeight + 2) << look.toStdString();
        EXPECT_EQ(heights[1], heights[0]);
        saveSheet(look, shots);
        return heights;
    }

    test::ManualScheduler* scheduler;
    TacHintMachinery machinery;
    skins::TsSkinManager skin;
    TsHintManager manager{nullptr, &machinery};
    std::list<QWidget> controls;
};

TEST_F(MainWindowHints, TemplateLookWithoutSkin) {
    ASSERT_FALSE(TsHintManager::Skinned());
    const int line =
        ImageCanvas(nullptr, DefaultHintTemplate().Font()).textHeight(QStringLiteral("X"));
    const std::vector<int> heights = showAll(QStringLiteral("template"), line);
    EXPECT_EQ(heights[0], 2 * line + 2 + 7 + 14);
}

TEST_F(MainWindowHints, ThreeSkins) {
    const int line = ImageCanvas(nullptr, platformHintFont()).textHeight(QStringLiteral("X"));
    for (const char* name : {"Vista (internal)", "DarkGlass (internal)", "Garnet (internal)"}) {
        SCOPED_TRACE(name);
        skin.setSkinName(QString::fromUtf8(name));
        skin.setActive(true);
        ASSERT_TRUE(TsHintManager::Skinned());
        QString look = QString::fromUtf8(name).section(QLatin1Char(' '), 0, 0).toLower();
        showAll(look, line);
    }
}

TEST(PlainHints, QtTooltipsWithoutPerPixelAlpha) {
    if (QGuiApplication::platformName() != QLatin1String("xcb") || hasPerPixelAlpha()) {
        GTEST_SKIP() << "needs X11 without a compositing manager";
    }
    TsHintManager manager;
    manager.setHTMLMode(true);
    manager.Loaded();
    EXPECT_EQ(TsHintManager::CurrentHintManager(), nullptr);

    QWidget window;
    window.resize(420, 120);
    QPushButton button(QStringLiteral("Открыть .dfn или .rcn-файл"), &window);
    button.setGeometry(20, 20, 200, 25);
    button.setToolTip(QString::fromUtf8(kHints[3].text));
    window.show();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 300) QApplication::processEvents();
    QToolTip::showText(button.mapToGlobal(QPoint(20, 30)), button.toolTip(), &button);
    clock.restart();
    while (clock.elapsed() < 500) QApplication::processEvents();
    EXPECT_TRUE(QToolTip::isVisible());
    if (!shotsFolder().isEmpty()) {
        QDir().mkpath(shotsFolder());
        const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        screen.copy(window.frameGeometry().adjusted(-10, -10, 300, 80))
            .save(shotsFolder() + QStringLiteral("/plain-fallback.png"));
    }
}

}  // namespace
}  // namespace lingotab::hints
