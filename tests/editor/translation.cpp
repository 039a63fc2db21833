// The interface in each language: with the English catalogue installed, no
// window, panel, menu, hint, header or dialog shows a Hungarian source text of
// the catalogue; with Hungarian, the same walk finds the Hungarian texts and
// none of the English ones. One table of surfaces, each walked in both
// languages. The language entry of the Info menu stores the choice.

#include "uitest.h"

#include "editor/errorform.h"
#include "editor/helpform.h"
#include "editor/ujdonsagform.h"
#include "model/commanddesc.h"
#include "model/commanditem.h"
#include "model/commands.h"
#include "model/imagesitem.h"
#include "model/scene.h"
#include "panels/animation/animationform.h"
#include "panels/animation/debugerform.h"
#include "panels/animation/easeform.h"
#include "panels/animation/favouritesform.h"
#include "panels/layers/importform.h"
#include "project/language.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QDockWidget>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QXmlStreamReader>

using namespace velkon;
using velkon::uitest::TModalAnswer;

namespace {

// The catalogue's texts: the Hungarian sources that English shows otherwise,
// and the English texts that are no source anywhere.
struct TCatalogue {
    QSet<QString> TranslatedSources;
    QSet<QString> EnglishOnly;
    int Messages = 0;
};

TCatalogue ReadCatalogue(const QString& path) {
    TCatalogue c;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return c;
    QXmlStreamReader xml(&file);
    QSet<QString> sources;
    QList<std::pair<QString, QString>> pairs;
    QString source;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement()) continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            pairs.append({source, xml.readElementText()});
            sources.insert(source);
            ++c.Messages;
        }
    }
    for (const auto& [s, t] : pairs) {
        if (t.isEmpty() || t == s) continue;
        c.TranslatedSources.insert(s);
        if (!sources.contains(t)) c.EnglishOnly.insert(t);
    }
    return c;
}

// One text on show and where it was found.
struct TShown {
    QString Where, Text;
};

QString Name(const QObject* o) {
    const QString name = o->objectName();
    return QString::fromLatin1(o->metaObject()->className()) + (name.isEmpty() ? QString() : u' ' + name);
}

void Add(QList<TShown>& out, const QString& where, const QString& text) {
    if (!text.trimmed().isEmpty()) out.append({where, text});
}

void AddAction(QList<TShown>& out, const QString& where, const QAction* a) {
    Add(out, where + QStringLiteral(" action"), a->text());
    Add(out, where + QStringLiteral(" action hint"), a->toolTip());
}

// Every text a user can see in root and below it, shown or not yet: captions,
// titles, hints, placeholders, tab texts, column headers, menu entries, and
// the contents of read-only text boxes. Item rows (layer, file and command
// names, the log's lines) are the user's data and stay out; so do edit fields
// and the change log's history, which stays Hungarian.
QList<TShown> Texts(QWidget* root) {
    QList<TShown> out;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        const QString where = Name(w);
        Add(out, where + QStringLiteral(" title"), w->windowTitle());
        Add(out, where + QStringLiteral(" hint"), w->toolTip());
        Add(out, where + QStringLiteral(" status tip"), w->statusTip());
        for (const QAction* a : w->actions())
            AddAction(out, where, a);
        if (auto* b = qobject_cast<QAbstractButton*>(w)) Add(out, where, b->text());
        if (auto* l = qobject_cast<QLabel*>(w)) Add(out, where, l->text());
        if (auto* g = qobject_cast<QGroupBox*>(w)) Add(out, where, g->title());
        if (auto* m = qobject_cast<QMenu*>(w)) Add(out, where, m->title());
        if (auto* e = qobject_cast<QLineEdit*>(w))
            Add(out, where + QStringLiteral(" placeholder"), e->placeholderText());
        if (auto* c = qobject_cast<QComboBox*>(w)) {
            Add(out, where + QStringLiteral(" placeholder"), c->placeholderText());
            if (!c->isEditable())
                for (int i = 0; i < c->count(); ++i)
                    Add(out, where + QStringLiteral(" item"), c->itemText(i));
        }
        if (auto* t = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < t->count(); ++i) {
                Add(out, where + QStringLiteral(" tab"), t->tabText(i));
                Add(out, where + QStringLiteral(" tab hint"), t->tabToolTip(i));
            }
        if (auto* v = qobject_cast<QAbstractItemView*>(w); v && v->model())
            for (int c = 0; c < v->model()->columnCount(); ++c)
                Add(out, where + QStringLiteral(" header"),
                    v->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
        if (auto* t = qobject_cast<QTextEdit*>(w); t && t->isReadOnly()) Add(out, where, t->toPlainText());
        if (auto* t = qobject_cast<QPlainTextEdit*>(w); t && w->objectName() != QLatin1String("NaploMemo"))
            Add(out, where, t->toPlainText());
    }
    return out;
}

// A text in Hungarian: a letter only Hungarian uses here, or a source text of
// the catalogue that English says otherwise (after the keys a hint may end with).
bool Hungarian(const QString& text, const TCatalogue& catalogue) {
    static const QRegularExpression letters(QStringLiteral("[áéíóöőúüűÁÉÍÓÖŐÚÜŰ]"));
    static const QRegularExpression keys(QStringLiteral(" \\[[^\\]]*\\]$"));
    if (text.contains(letters)) return true;
    QString bare = text;
    bare.remove(keys);
    return catalogue.TranslatedSources.contains(text) || catalogue.TranslatedSources.contains(bare);
}

bool English(const QString& text, const TCatalogue& catalogue) {
    return catalogue.EnglishOnly.contains(text);
}

QString Report(const QList<TShown>& offenders) {
    QStringList lines;
    for (const TShown& s : offenders)
        lines << QStringLiteral("  %1: \"%2\"").arg(s.Where, s.Text.left(120));
    return lines.join(u'\n');
}

enum TSurface {
    srMainWindow,
    srCommandEdit,
    srEase,
    srFavourites,
    srImport,
    srDebugger,
    srHelp,
    srChangeLog,
    srMessageBox,
};

} // namespace

Q_DECLARE_METATYPE(TSurface)
Q_DECLARE_METATYPE(TLanguage)

class TTranslationTest : public uitest::TMainWindowTest {
    Q_OBJECT

    TCatalogue catalogue_;
    TImagesItem* layer_ = nullptr;
    TCommandItem* command_ = nullptr;

    // A window with one chosen layer whose first track has a command, so that
    // the inspector, the command list and the dialogs have something to show.
    bool StartWithLayer(int options) {
        if (!StartWindow(options)) return false;
        layer_ = AddLayer(test::TLayerSpec().Named(QStringLiteral("ball")).Sized(40, 20));
        command_ = layer_->TrackByNumber(1).Add(std::make_unique<TCommandItem>(cmdMoveTo, "10", "20", "2"));
        form_->Document.SelectSingleLayer(layer_);
        emit form_->Document.LayersChanged();
        emit form_->Document.SelectionChanged();
        QApplication::processEvents();
        return true;
    }

    // The texts of the surface, opened as a user opens it.
    QList<TShown> Walk(TSurface surface) {
        QList<TShown> shown;
        const auto modal = [&](const std::function<void()>& open) {
            TModalAnswer answer([&](QWidget* w) { shown = Texts(w); });
            open();
            if (!answer.Came()) shown.append({QStringLiteral("(no dialog came)"), QString()});
        };
        TEditorDocument& document = form_->Document;
        switch (surface) {
        case srMainWindow: {
            form_->ToolBar->FillRecentMenu();
            form_->Canvas->FillPopupMenu();
            shown = Texts(form_.get());
            for (const QString& id : document.Registry.Ids())
                AddAction(shown, QStringLiteral("registry ") + id, document.Registry.Action(id));
            break;
        }
        case srCommandEdit: {
            TAnimationForm dialog(document, form_.get());
            // The help and the parameter captions of a chosen command are on show too.
            TModalAnswer answer([&](QWidget* w) { shown = Texts(w); });
            dialog.Execute(*layer_, command_);
            if (!answer.Came()) shown.append({QStringLiteral("(no dialog came)"), QString()});
            break;
        }
        case srEase: {
            TEaseForm dialog(document, form_.get());
            modal([&] { dialog.Execute(*layer_, *command_); });
            break;
        }
        case srFavourites: {
            TFavouritesForm dialog(document, form_.get());
            dialog.FileName = dir_.filePath(QStringLiteral("Favourites.txt"));
            modal([&] { dialog.Execute(*layer_, layer_->TrackByNumber(1)); });
            break;
        }
        case srImport:
            modal([&] { TImportForm::Choose({QStringLiteral("ball")}, form_.get()); });
            break;
        case srDebugger:
            modal([&] { TDebugerForm::Open(document, form_.get()); });
            break;
        case srHelp: {
            THelpForm* help = THelpForm::Open(form_.get());
            shown = Texts(help);
            help->close();
            break;
        }
        case srChangeLog:
            modal([&] { TUjdonsagForm::Open(form_.get()); });
            break;
        case srMessageBox:
            form_->Scene.Saved = false;
            modal([&] { document.Registry.Trigger(QStringLiteral("project.new")); });
            break;
        }
        return shown;
    }

private slots:
    void initTestCase() {
        catalogue_ = ReadCatalogue(QStringLiteral(VELKON_SOURCE_DIR "/translations/velkon_en.ts"));
        QVERIFY2(catalogue_.Messages > 300, "the catalogue holds the interface's texts");
        QVERIFY(catalogue_.TranslatedSources.contains(QStringLiteral("Rétegek")));
        QVERIFY(catalogue_.EnglishOnly.contains(QStringLiteral("Layers")));
    }
    void cleanup() {
        StopWindow();
        InstallTranslators(*qApp, TLanguage::Hungarian);
    }
    void cleanupTestCase() { InstallTranslators(*qApp, TLanguage::Hungarian); }

    void surfacesSpeakTheChosenLanguage_data() {
        QTest::addColumn<TSurface>("surface");
        QTest::addColumn<TLanguage>("language");
        // Texts every walk of the surface must find, per language (Hungarian, English).
        QTest::addColumn<QStringList>("hungarian");
        QTest::addColumn<QStringList>("english");
        const struct {
            const char* Name;
            TSurface Surface;
            QStringList Hungarian, English;
        } surfaces[] = {
            {"main window",
             srMainWindow,
             {"Új", "Rétegek", "Hiba napló", "Tulajdonságok", "Kulcskockás animáció", "Animációs parancsok",
              "Fejlesztési napló", "Nyelv / Language", "Magyar", "English", "Legutóbbi projektek"},
             {"New", "Layers", "Error log", "Properties", "Keyframe animation", "Animation commands",
              "Change log", "Nyelv / Language", "Magyar", "English", "Recent projects"}},
            {"command edit dialog",
             srCommandEdit,
             {"Animation Editor", "Command:"},
             {"Animation Editor", "Command:"}},
            {"ease dialog", srEase, {"Idő módosító", "Tárol"}, {"Ease", "Store"}},
            {"favourites dialog", srFavourites, {"Favourites Editor"}, {"Favourites Editor"}},
            {"import dialog", srImport, {"Import"}, {"Import"}},
            {"debugger", srDebugger, {"Hibakereső"}, {"Debugger"}},
            {"help", srHelp, {"Súgó"}, {"Help"}},
            {"change log", srChangeLog, {"Fejlesztési napló"}, {"Change log"}},
            {"message box", srMessageBox, {"Új projekt"}, {"New project"}},
        };
        for (const auto& s : surfaces)
            for (TLanguage language : {TLanguage::Hungarian, TLanguage::English})
                QTest::addRow("%s, %s", s.Name, language == TLanguage::English ? "English" : "Hungarian")
                    << s.Surface << language << s.Hungarian << s.English;
    }

    void surfacesSpeakTheChosenLanguage() {
        QFETCH(TSurface, surface);
        QFETCH(TLanguage, language);
        QFETCH(QStringList, hungarian);
        QFETCH(QStringList, english);
        QVERIFY(InstallTranslators(*qApp, language));
        QVERIFY(StartWithLayer(surface == srMessageBox ? RealDialogs : ScriptedDialogs));
        const QList<TShown> shown = Walk(surface);
        const bool inEnglish = language == TLanguage::English;

        QList<TShown> offenders;
        QSet<QString> texts;
        for (const TShown& s : shown) {
            texts.insert(s.Text);
            if (inEnglish ? Hungarian(s.Text, catalogue_) : English(s.Text, catalogue_)) offenders.append(s);
        }
        QVERIFY2(offenders.isEmpty(), qPrintable(QStringLiteral("%1 text(s) in the wrong language:\n%2")
                                                     .arg(offenders.size())
                                                     .arg(Report(offenders))));
        QStringList missing;
        for (const QString& expected : inEnglish ? english : hungarian)
            if (!texts.contains(expected)) missing << expected;
        QVERIFY2(missing.isEmpty(),
                 qPrintable(QStringLiteral("not on show: ") + missing.join(QStringLiteral(", "))));
    }

    // The language entry stores the choice for the next start, says so in both
    // languages, and its check mark follows the stored choice.
    void languageMenuStoresTheChoice() {
        QVERIFY(StartWindow());
        TMainToolBar& bar = *form_->ToolBar;
        QCOMPARE(bar.LanguageMenu->title(), QStringLiteral("Nyelv / Language"));
        QVERIFY(bar.InfoMenu->actions().contains(bar.LanguageMenu->menuAction()));
        const struct {
            QAction* Chosen;
            TLanguage Stored;
        } steps[] = {{bar.EnglishAction, TLanguage::English}, {bar.HungarianAction, TLanguage::Hungarian}};
        for (const auto& step : steps) {
            dialogs_.Messages.clear();
            step.Chosen->trigger();
            QCOMPARE(ReadStoredLanguage(form_->Document.Places), LanguageCode(step.Stored));
            QCOMPARE(EditorLanguage(form_->Document.Places), step.Stored);
            QCOMPARE(dialogs_.Messages.size(), 1);
            QVERIFY(dialogs_.Messages.first().contains(QStringLiteral("következő indításakor")));
            QVERIFY(dialogs_.Messages.first().contains(QStringLiteral("next time the program starts")));
            // The other entry checked by hand: opening the menu shows the stored one again.
            (step.Chosen == bar.EnglishAction ? bar.HungarianAction : bar.EnglishAction)->setChecked(true);
            emit bar.LanguageMenu->aboutToShow();
            QVERIFY(step.Chosen->isChecked());
        }
    }
};

VELKON_UI_TEST_MAIN(TTranslationTest)
#include "translation.moc"
