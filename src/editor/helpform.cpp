#include "editor/helpform.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace velkon {

namespace {

// One row of a key table: the keys and what they do.
QString Row(const char* keys, const char* what) {
    return QStringLiteral("<tr><td style='padding-right:16px'><b>%1</b></td><td>%2</td></tr>")
        .arg(THelpForm::tr(keys), THelpForm::tr(what));
}

QString Table(std::initializer_list<std::pair<const char*, const char*>> rows) {
    QString html = QStringLiteral("<table cellspacing='2'>");
    for (const auto& [keys, what] : rows)
        html += Row(keys, what);
    return html + QStringLiteral("</table>");
}

} // namespace

QString THelpForm::HelpHtml() {
    QString html = tr("<h2>Velkon Editor – Súgó</h2>");
    html += tr("<h3>Billentyűk</h3>");
    html += Table({
        {"F1", QT_TR_NOOP("Lejátszás és leállítás: minden réteg a Base animációjától indul.")},
        {"F2", QT_TR_NOOP("Előnézet: csak a kijelölt rétegek játszanak, a saját animációjukkal.")},
        {"F3", QT_TR_NOOP("A kulcskockás animáció lejátszása és leállítása.")},
        {"F5, F6, F7, F8",
         QT_TR_NOOP(
             "A Base, Touch1, Touch2, Touch3 animáció kiválasztása (kulcskocka-szerkesztésen kívül).")},
        {"Ctrl+S", QT_TR_NOOP("Mentés oda, ahonnan a projekt jött (egy új projektnél megkérdezi, hová).")},
        {"Ctrl+Z", QT_TR_NOOP("Visszavonás.")},
        {"Ctrl+Y, Ctrl+Shift+Z", QT_TR_NOOP("Újra (a visszavont lépés ismét).")},
        {"Ins",
         QT_TR_NOOP("Új parancs a parancslistába; kulcskocka-szerkesztés közben a kulcskocka tárolása és "
                    "másolása a következő fázisba.")},
        {"Page Up, Page Down",
         QT_TR_NOOP("Az egy kijelölt réteg feljebb vagy lejjebb kerül a rajzolási sorrendben; "
                    "kulcskocka-szerkesztés közben az előző vagy a következő kulcskocka.")},
        {"S", QT_TR_NOOP("Öleléses kiválasztás: a rajzvásznon húzott keret jelöli ki a rétegeket.")},
        {"O", QT_TR_NOOP("A kijelölés origójának beállítása (Tulajdonságok panel, „Origó beállítása”).")},
        {QT_TR_NOOP("Nyilak"), QT_TR_NOOP("A kijelölés mozgatása 1 ponttal, Shifttel 10-zel.")},
        {QT_TR_NOOP("Ctrl+Balra, Ctrl+Jobbra"), QT_TR_NOOP("A kijelölés kicsinyítése, nagyítása.")},
        {QT_TR_NOOP("Ctrl+Fel, Ctrl+Le"), QT_TR_NOOP("A kijelölés forgatása.")},
        {"Alt+G", QT_TR_NOOP("Csoportos szerkesztés be és ki (kulcskockák).")},
        {"Alt+L",
         QT_TR_NOOP("Összekapcsolt elemek be és ki: bekapcsolva a szülőhöz kötött réteg csak a legfelső "
                    "ősével együtt mozdul.")},
        {"Alt+B",
         QT_TR_NOOP("Csontvázas mozgatás (kulcskockák): a kijelölt lánc hajlítása a csontpontokkal.")},
        {"Alt+1", QT_TR_NOOP("A „B” kapcsoló: elinduljon-e a réteg Base animációja.")},
        {"Alt+2", QT_TR_NOOP("A „T” kapcsoló: elinduljon-e a réteg Touch animációja.")},
        {"Alt+V", QT_TR_NOOP("Vízszintes segédvonal az egérmutató magasságában (újra: törlés).")},
        {"Alt+F", QT_TR_NOOP("Függőleges segédvonal az egérmutató helyén (újra: törlés).")},
        {QT_TR_NOOP("Numerikus +, −"),
         QT_TR_NOOP("Nagyítás, kicsinyítés; a rajzvásznon Ctrl+görgő ugyanígy.")},
    });
    html += tr("<h3>Egér a rajzvásznon</h3>");
    html += Table({
        {QT_TR_NOOP("Kattintás"),
         QT_TR_NOOP("Egy réteg kijelölése; Shift+kattintás hozzáveszi vagy elveszi.")},
        {QT_TR_NOOP("Ctrl+kattintás"),
         QT_TR_NOOP("Az egymás alatti rétegek közül a következő, mélyebb réteg.")},
        {QT_TR_NOOP("Húzás a kijelölésen"),
         QT_TR_NOOP("Mozgatás; Shifttel csak vízszintesen vagy csak függőlegesen.")},
        {QT_TR_NOOP("Húzás a sarkon, élen"),
         QT_TR_NOOP("Méretezés; a sarkon kívülről húzva forgatás a közös origó körül.")},
        {QT_TR_NOOP("Dupla kattintás"), QT_TR_NOOP("A közös origó a réteg origójára kerül.")},
        {QT_TR_NOOP("Középső gomb"), QT_TR_NOOP("A nézet görgetése; Ctrl+középső gomb a keret eltolása.")},
        {QT_TR_NOOP("Lejátszás közben"),
         QT_TR_NOOP("A rétegre kattintás a Touch animációját indítja, ahogy a készüléken.")},
    });
    html += tr("<h3>A „B” és „T” kapcsoló</h3>");
    html += tr(
        "<p>Az Animációs parancsok panelen: a <b>B</b> lenyomva azt jelenti, hogy a réteg Base animációja "
        "elindul a lejátszáskor (F1); a <b>T</b> lenyomva azt, hogy a rétegre kattintva (érintésre) elindul "
        "a Touch animációja. A réteg mindkettőt a projektben tárolja (PlayAnim).</p>");
    html += tr("<h3>Képek neve: név(x,y).png</h3>");
    html += tr(
        "<p>Egy kép hozzáadásakor a zárójelben álló két szám a réteg helye: a <b>csillag(130,376).png</b> "
        "egy <b>csillag</b> nevű réteget ad a 130, 376 pontra (Left, Top). A fájl nevében ne legyen szóköz: "
        "a futtató nem találná meg (a hiba naplóba „Hibás fájl név” kerül).</p>");
    html += tr("<h3>Hol legyenek a fájlok</h3>");
    html += tr(
        "<p>A projekt a képeket, hangokat és particle fájlokat csak a nevükkel tárolja, és a projekt fájl "
        "(.VKP) mappájában keresi őket. Ha máshonnan ad hozzá egy fájlt, a mentés a projekt mellé másolja "
        "(a napló megmondja, hányat); ha ott már van egy másik, azonos nevű fájl, a mentés nem történik meg, "
        "amíg át nem nevezi. A Rétegek panel Files lapján színezve látszik, mi nincs még a projekt mellett. "
        "A csomagolás (Csomagol) a .VKM mellé másol minden fájlt, és a projektet is oda menti.</p>");
    html += tr("<h3>Üzenetek</h3>");
    html +=
        tr("<p>A hibák és a fontos hírek (mentés, csomagolás, hiányzó fájl) a Hiba napló panelre kerülnek; a "
           "legújabb néhány másodpercig az állapotsorban is látszik, és a Hiba napló fül címe zárójelben "
           "mutatja, hány újat nem látott még.</p>");
    return html;
}

THelpForm::THelpForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(tr("Súgó"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    HelpText = new QTextBrowser(this);
    HelpText->setObjectName(QStringLiteral("HelpText"));
    HelpText->setHtml(HelpHtml());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(HelpText);
    resize(760, 720);
}

THelpForm* THelpForm::Open(QWidget* parent) {
    auto* form = parent
                     ? parent->findChild<THelpForm*>(QStringLiteral("HelpForm"), Qt::FindDirectChildrenOnly)
                     : nullptr;
    if (!form) {
        form = new THelpForm(parent);
        form->setAttribute(Qt::WA_DeleteOnClose);
    }
    form->show();
    form->raise();
    form->activateWindow();
    return form;
}

} // namespace velkon
