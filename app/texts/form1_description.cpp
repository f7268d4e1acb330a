#include "app/texts/window_description.h"

namespace lingotab::app {

namespace {

struct Entry {
    const char16_t* key;
    const char16_t* value;
};

// The main window in the built-in (Russian) text set: captions, hints,
// dialog texts and the positions at 96 pixels per inch.
constexpr Entry kForm1[] = {
    {u"Form1.Caption", u"Lingotab v1.0 © 2026 Разработчики Lingotab"},
    {u"Form1.ClientWidth", u"792"},
    {u"Form1.ClientHeight", u"546"},
    {u"sPanel1.Height", u"32"},

    {u"sBitBtn1.Left", u"3"},
    {u"sBitBtn1.Top", u"3"},
    {u"sBitBtn1.Width", u"161"},
    {u"sBitBtn1.Height", u"25"},
    {u"sBitBtn1.Caption", u"Открыть .dfn или .rcn-файл"},
    {u"sBitBtn1.Hint", u"Открыть файл перевода Дельфи<br>(*.dfn, *.rcn)"},

    {u"sCheckBox1.Left", u"195"},
    {u"sCheckBox1.Top", u"6"},
    {u"sCheckBox1.Width", u"153"},
    {u"sCheckBox1.Height", u"19"},
    {u"sCheckBox1.Caption", u"Однажды переведённые"},
    {u"sCheckBox1.Hint",
     u"Передавать только однажды <b>уже переведённые</b> строки,<br>а не все строковые ресурсы"},

    {u"sCheckBox2.Left", u"354"},
    {u"sCheckBox2.Top", u"6"},
    {u"sCheckBox2.Width", u"162"},
    {u"sCheckBox2.Height", u"19"},
    {u"sCheckBox2.Caption", u"Располагать вертикально,"},
    {u"sCheckBox2.Hint",
     u"Передать строки для перевода в Excel,<br>расположив строку перевода <b>под строкой "
     u"оригинала</b>,<br>а не справа от неё"},

    {u"sSpinEdit1.Left", u"536"},
    {u"sSpinEdit1.Top", u"5"},
    {u"sSpinEdit1.Width", u"42"},
    {u"sSpinEdit1.Height", u"21"},
    {u"sSpinEdit1.Text", u"4"},
    {u"sSpinEdit1.BoundLabel.Caption", u"по"},
    {u"sSpinEdit1.Hint",
     u"Количество строк,<br>отводимое под варианты перевода<br>каждого строкового ресурса"},

    {u"sLabel1.Left", u"584"},
    {u"sLabel1.Top", u"8"},
    {u"sLabel1.Width", u"95"},
    {u"sLabel1.Height", u"13"},
    {u"sLabel1.Caption", u"строк(и) на ресурс"},

    {u"sBitBtn2.Left", u"685"},
    {u"sBitBtn2.Top", u"3"},
    {u"sBitBtn2.Width", u"103"},
    {u"sBitBtn2.Height", u"25"},
    {u"sBitBtn2.Caption", u"Передать в Excel"},
    {u"sBitBtn2.Hint", u"Автоматически выбрать строки для перевода<br>и передать их в файл Excel"},

    {u"sOpenDialog1.Title", u"Открыть файл перевода"},
    {u"sOpenDialog1.Filter",
     u"Все файлы *.*|*.*|Файлы переводов *.dfn; *.rcn|*.dfn; *.rcn|Файлы переводов форм "
     u"*.dfn|*.dfn|Файлы переводов ресурсов *.rcn|*.rcn"},
    {u"sOpenDialog1.FilterIndex", u"2"},
};

Properties makeForm1() {
    Properties properties;
    for (const Entry& entry : kForm1)
        properties.insert(QString::fromUtf16(entry.key), QString::fromUtf16(entry.value));
    return properties;
}

}  // namespace

const Properties& builtinForm1Description() {
    static const Properties description = makeForm1();
    return description;
}

}  // namespace lingotab::app
