#include "app/form1.h"

#include "app/anchors.h"
#include "app/locale_value.h"
#include "app/message_boxes.h"
#include "app/read_me.h"
#include "app/settings_keys.h"
#include "app/texts/builtin_strings.h"
#include "app/translation_file.h"
#include "core/export_translations.h"
#include "frame/skin_provider.h"
#include "hints/manager/hint_manager.h"
#include "platform/ini_file.h"
#include "skins/controls/ts_bit_btn.h"
#include "skins/controls/ts_check_box.h"
#include "skins/controls/ts_label.h"
#include "skins/controls/ts_memo.h"
#include "skins/controls/ts_panel.h"
#include "skins/controls/ts_spin_edit.h"
#include "skins/manager/skin_manager.h"
#include "skins/manager/stored_skins.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMimeData>
#include <QScreen>

namespace lingotab::app {

namespace {

constexpr int kMinTrackWidth = 800;
constexpr int kMinTrackHeight = 200;
// A dropped path is taken into a buffer of 256 characters and a terminator.
constexpr qsizetype kMaxDroppedPathLength = 256;

QFont tahoma8() {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    return font;
}

// The part of `path` from the last full stop of its file name on, or empty.
QString extractFileExt(const QString& path) {
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot > path.lastIndexOf(u'/') ? path.mid(dot) : QString();
}

void setBlackOnWhite(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::black);
    widget->setPalette(palette);
}

// The busy cursor and the running flag of one export, both undone on every
// way out (before an error is shown).
struct BusyExport {
    explicit BusyExport(bool& running) : running_(running) {
        running_ = true;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyExport() {
        QApplication::restoreOverrideCursor();
        running_ = false;
    }
    bool& running_;
};

}  // namespace

TForm1::TForm1(const TextSet& texts, const QString& moduleFileName, QWidget* parent)
    : QWidget(parent),
      sSkinManager1(new skins::TsSkinManager(this)),
      sSkinProvider1(new frame::TsSkinProvider(this, sSkinManager1)),
      sHintManager1(new hints::TsHintManager(this)),
      sMemo1(new skins::TsMemo(this)),
      sPanel1(new skins::TsPanel(this)),
      sBitBtn1(new skins::TsBitBtn(sPanel1)),
      sBitBtn2(new skins::TsBitBtn(sPanel1)),
      sSpinEdit1(new skins::TsSpinEdit(sPanel1)),
      sLabel1(new skins::TsLabel(sPanel1)),
      sCheckBox1(new skins::TsCheckBox(sPanel1)),
      sCheckBox2(new skins::TsCheckBox(sPanel1)),
      texts_(texts) {
    createComponents(texts.windowDescription(QStringLiteral("TForm1")));
    runShowingErrors(this, [&] { FormCreate(moduleFileName); });
    // The window is loaded: the hint manager takes over the application's hints.
    sHintManager1->Loaded();
}

TForm1::~TForm1() = default;

void TForm1::createComponents(const TWindowDescription& d) {
    const auto geometry = [&d](QWidget* widget, const QString& name) {
        widget->setGeometry(d.integer(name + QStringLiteral(".Left")),
                            d.integer(name + QStringLiteral(".Top")),
                            d.integer(name + QStringLiteral(".Width")),
                            d.integer(name + QStringLiteral(".Height")));
    };
    const auto text = [&d](const QString& name, const char* property) {
        return d.text(name + u'.' + QLatin1String(property));
    };
    const auto hint = [&text](QWidget* widget, const QString& name) {
        widget->setToolTip(text(name, "Hint"));
    };

    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(d.text(QStringLiteral("Form1.Caption")));
    setFont(tahoma8());
    const int clientWidth = d.integer(QStringLiteral("Form1.ClientWidth"));
    resize(clientWidth, d.integer(QStringLiteral("Form1.ClientHeight")));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    sSkinManager1->setObjectName(QStringLiteral("sSkinManager1"));
    sSkinManager1->setInternalSkins(skins::builtInSkins());

    sOpenDialog1.Title = d.text(QStringLiteral("sOpenDialog1.Title"));
    sOpenDialog1.Filter = d.text(QStringLiteral("sOpenDialog1.Filter"));
    sOpenDialog1.FilterIndex = d.integer(QStringLiteral("sOpenDialog1.FilterIndex"));

    sMemo1->setObjectName(QStringLiteral("sMemo1"));
    QFont courier(QStringLiteral("Courier"));
    courier.setPixelSize(11);
    sMemo1->setFont(courier);
    setBlackOnWhite(sMemo1);

    sPanel1->setObjectName(QStringLiteral("sPanel1"));
    sPanel1->resize(clientWidth, d.integer(QStringLiteral("sPanel1.Height")));

    const QString btn1 = QStringLiteral("sBitBtn1");
    sBitBtn1->setObjectName(btn1);
    geometry(sBitBtn1, btn1);
    sBitBtn1->setText(text(btn1, "Caption"));
    hint(sBitBtn1, btn1);

    const QString box1 = QStringLiteral("sCheckBox1");
    sCheckBox1->setObjectName(box1);
    geometry(sCheckBox1, box1);
    sCheckBox1->setText(text(box1, "Caption"));
    hint(sCheckBox1, box1);
    sCheckBox1->setChecked(false);

    const QString box2 = QStringLiteral("sCheckBox2");
    sCheckBox2->setObjectName(box2);
    geometry(sCheckBox2, box2);
    sCheckBox2->setText(text(box2, "Caption"));
    hint(sCheckBox2, box2);
    sCheckBox2->setChecked(true);

    const QString spin = QStringLiteral("sSpinEdit1");
    sSpinEdit1->setObjectName(spin);
    geometry(sSpinEdit1, spin);
    sSpinEdit1->setMinValue(2);
    sSpinEdit1->setMaxValue(100);
    sSpinEdit1->setIncrement(1);
    sSpinEdit1->setText(text(spin, "Text"));
    hint(sSpinEdit1, spin);
    sSpinEdit1->setFont(tahoma8());
    setBlackOnWhite(sSpinEdit1);
    sSpinEdit1->BoundLabel()->setFont(tahoma8());
    sSpinEdit1->setBoundLabelCaption(text(spin, "BoundLabel.Caption"));

    const QString label = QStringLiteral("sLabel1");
    sLabel1->setObjectName(label);
    geometry(sLabel1, label);
    sLabel1->setText(text(label, "Caption"));
    sLabel1->setFont(tahoma8());
    setBlackOnWhite(sLabel1);

    const QString btn2 = QStringLiteral("sBitBtn2");
    sBitBtn2->setObjectName(btn2);
    geometry(sBitBtn2, btn2);
    sBitBtn2->setText(text(btn2, "Caption"));
    hint(sBitBtn2, btn2);
    sBitBtn2->setEnabled(false);

    anchors_ = new TRightAnchors(sPanel1, clientWidth);
    for (QWidget* control :
         std::initializer_list<QWidget*>{sCheckBox1, sCheckBox2, sSpinEdit1, sLabel1, sBitBtn2})
        anchors_->add(control);

    setTabOrder(sMemo1, sBitBtn1);
    setTabOrder(sBitBtn1, sBitBtn2);
    setTabOrder(sBitBtn2, sSpinEdit1);
    setTabOrder(sSpinEdit1, sCheckBox1);
    setTabOrder(sCheckBox1, sCheckBox2);
    sMemo1->setFocus();

    connect(sBitBtn1, &QPushButton::clicked, this,
            [this] { runShowingErrors(this, [this] { sBitBtn1Click(); }); });
    connect(sBitBtn2, &QPushButton::clicked, this, [this] {
        // Starting an office can take seconds: the export shows the busy
        // cursor and cannot be started again while it runs.
        if (exporting_) return;
        runShowingErrors(this, [this] {
            const BusyExport busy(exporting_);
            sBitBtn2Click();
        });
    });
    // Pressing a button hides a hint that is shown.
    for (QPushButton* button :
         {static_cast<QPushButton*>(sBitBtn1), static_cast<QPushButton*>(sBitBtn2)})
        connect(button, &QPushButton::pressed, this, [] { hints::TsHintManager::CancelHint(); });

    sHintManager1->setHTMLMode(true);
    sHintManager1->setPauseHide(8000);
    sHintManager1->setSkinSection(QStringLiteral("HINT"));
    sHintManager1->setUseSkinData(true);
    sHintManager1->setSkinManager(sSkinManager1);
    connect(sCheckBox2, &QCheckBox::toggled, this, [this] { sCheckBox2Click(); });
    // The title bar's button that shows the read-me.
    frame::TsTitleButton* readMe = sSkinProvider1->TitleButtons().Add();
    readMe->setGlyph(frame::questionMarkGlyph());
    readMe->OnMouseUp = [this](frame::TsTitleButton*, Qt::MouseButton, Qt::KeyboardModifiers, int,
                               int) {
        runShowingErrors(this, [this] { sSkinProvider1TitleButtons0MouseUp(); });
    };
}

void TForm1::FormCreate(const QString& moduleFileName) {
    setAcceptDrops(true);

    const QFileInfo module(moduleFileName);
    ExeDir_ = module.absolutePath() + u'/';
    ExeName_ = module.fileName();

    const QString skins = ExeDir_ + QStringLiteral("Skins");
    sSkinManager1->setSkinDirectory(QFileInfo(skins).isDir() ? skins : ExeDir_);

    const platform::TIniFile ini(settingsFileName());
    sSkinManager1->setSkinName(ini.ReadString(settings::Section, settings::SkinName.name,
                                              settings::SkinName.defaultValue));
    const QString lang =
        ini.ReadString(settings::Section, settings::Lang.name, settings::Lang.defaultValue);

    if (!lang.isEmpty()) {
        WriteLocaleValue(lang, ExeDir_ + ExeName_);
        loadReadMe(lang);
    } else {
        DeleteLocaleValue(ExeDir_ + ExeName_);
        loadReadMe(texts_.string(sLanguageCode));
    }
    ReadMeLines_ = sMemo1->Lines();
}

void TForm1::loadReadMe(const QString& languageCode) {
    if (const std::optional<QString> text = ReadTextFile(readMeFileName(languageCode)))
        sMemo1->setText(*text);
}

void TForm1::FormShow() {
    const platform::TIniFile ini(settingsFileName());
    sCheckBox1->setChecked(ini.ReadBool(settings::Section, settings::Translated.name,
                                        settings::Translated.defaultValue));
    sCheckBox2->setChecked(
        ini.ReadBool(settings::Section, settings::Vertical.name, settings::Vertical.defaultValue));
    sSpinEdit1->setValue(ini.ReadInteger(settings::Section, settings::VerticalStrings.name,
                                         settings::VerticalStrings.defaultValue));
}

void TForm1::FormClose() {
    const platform::TIniFile ini(settingsFileName());
    ini.WriteString(settings::Section, settings::SkinName.name, sSkinManager1->skinName());
    ini.WriteBool(settings::Section, settings::Translated.name, sCheckBox1->isChecked());
    ini.WriteBool(settings::Section, settings::Vertical.name, sCheckBox2->isChecked());
    ini.WriteInteger(settings::Section, settings::VerticalStrings.name, sSpinEdit1->Value());
}

QString TForm1::settingsFileName() const {
    return ExeDir_ + settings::FileName;
}

void TForm1::sBitBtn1Click() {
    if (!sOpenDialog1.Execute(this)) return;
    loadAndShow(sOpenDialog1.FileName);
}

void TForm1::loadAndShow(const QString& path) {
    const QString text = LoadTranslationFile(path);
    LoadedFileName_ = path;
    sMemo1->setText(text);
    sMemo1->setFocus();
    sBitBtn2->setEnabled(true);
}

void TForm1::FileDropped(const QString& path) {
    runShowingErrors(this, [&] {
        if (path.size() > kMaxDroppedPathLength)
            throw Exception(QStringLiteral("Cannot open file \"%1\". %2")
                                .arg(path, QStringLiteral("The file name is too long")));
        const QString ext = extractFileExt(path);
        if (ext == QLatin1String(".rcn") || ext == QLatin1String(".dfn")) {
            loadAndShow(path);
            QApplication::alert(this);
        } else {
            sMemo1->setText(texts_.string(sUnsupportedFileStart) + path +
                            texts_.string(sUnsupportedFileEnd));
        }
    });
}

void TForm1::sBitBtn2Click() {
    core::ExtractTranslations(sMemo1->Text(), sCheckBox1->isChecked(), Translations_);
    core::ExportContext context;
    context.strings = [this](int id) { return texts_.string(id); };
    context.caption = windowTitle();
    context.loadedFileName = LoadedFileName_;
    context.rowsPerUnit = sSpinEdit1->CheckValue(sSpinEdit1->Value());
    context.now = QDateTime::currentDateTime();
    context.locale = QLocale::system();
    context.showMessage = [this](const QString& text) { ShowMessage(this, text); };
    core::ExportTranslations(Translations_, sCheckBox2->isChecked(), context);
}

void TForm1::sCheckBox2Click() {
    sSpinEdit1->setEnabled(sCheckBox2->isChecked());
}

void TForm1::sSkinProvider1TitleButtons0MouseUp() {
    QString text;
    for (const QString& line : ReadMeLines_) text += line + QStringLiteral("\r\n");
    ShowMessage(this, text);
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    applyMinimumTrackingSize();
    if (shown_) return;
    shown_ = true;
    runShowingErrors(this, [this] { FormShow(); });
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (runShowingErrors(this, [this] { FormClose(); }))
        event->accept();
    else
        event->ignore();
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The panel along the top, the text area in all the rest.
    const QRect client = contentsRect();
    const int panelHeight = sPanel1->height();
    sPanel1->setGeometry(client.left(), client.top(), client.width(), panelHeight);
    sMemo1->setGeometry(client.left(), client.top() + panelHeight, client.width(),
                        std::max(0, client.height() - panelHeight));
}

void TForm1::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    applyMinimumTrackingSize();
}

// The limit holds for the outer window, frame included.
void TForm1::applyMinimumTrackingSize() {
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize minimum(kMinTrackWidth - frame.width(), kMinTrackHeight - frame.height());
    if (minimumSize() != minimum) setMinimumSize(minimum);
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.front().isLocalFile()) return;
    event->acceptProposedAction();
    // Handled once the drop is over, so that a message box does not open
    // while the file manager still waits for the drop to end.
    const QString path = urls.front().toLocalFile();
    QMetaObject::invokeMethod(
        this, [this, path] { FileDropped(path); }, Qt::QueuedConnection);
}

}  // namespace lingotab::app
