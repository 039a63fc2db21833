#include "editor/helpform.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace velkon {

namespace {

// One row of a key table: the keys and what they do.
QString Row(const char* keys, const char* what) {
    return QStringLiteral("<tr><td style='padding-right:16px'><b>%1</b></td><td>%2</td></tr>")
        .arg(QString::fromUtf8(keys), QString::fromUtf8(what));
}

QString Table(std::initializer_list<std::pair<const char*, const char*>> rows) {
    QString html = QStringLiteral("<table cellspacing='2'>");
    for (const auto& [keys, what] : rows)
        html += Row(keys, what);
    return html + QStringLiteral("</table>");
}

} // namespace

QString THelpForm::HelpHtml() {
    QString html = QStringLiteral("<h2>Velkon Editor – Súgó</h2>");
    html += QStringLiteral("<h3>Billentyűk</h3>");
    html += Table({
        {"F1", "Lejátszás és leállítás: minden réteg a Base animációjától indul."},
        {"F2", "Előnézet: csak a kijelölt rétegek játszanak, a saját animációjukkal."},
        {"F3", "A kulcskockás animáció lejátszása és leállítása."},
        {"F5, F6, F7, F8",
         "A Base, Touch1, Touch2, Touch3 animáció kiválasztása (kulcskocka-szerkesztésen kívül)."},
        {"Ctrl+S", "Mentés oda, ahonnan a projekt jött (egy új projektnél megkérdezi, hová)."},
        {"Ctrl+Z", "Visszavonás."},
        {"Ctrl+Y, Ctrl+Shift+Z", "Újra (a visszavont lépés ismét)."},
        {"Ins", "Új parancs a parancslistába; kulcskocka-szerkesztés közben a kulcskocka tárolása és "
                "másolása a következő fázisba."},
        {"Page Up, Page Down", "Az egy kijelölt réteg feljebb vagy lejjebb kerül a rajzolási sorrendben; "
                               "kulcskocka-szerkesztés közben az előző vagy a következő kulcskocka."},
        {"S", "Öleléses kiválasztás: a rajzvásznon húzott keret jelöli ki a rétegeket."},
        {"O", "A kijelölés origójának beállítása (Tulajdonságok panel, „Origó beállítása”)."},
        {"Nyilak", "A kijelölés mozgatása 1 ponttal, Shifttel 10-zel."},
        {"Ctrl+Balra, Ctrl+Jobbra", "A kijelölés kicsinyítése, nagyítása."},
        {"Ctrl+Fel, Ctrl+Le", "A kijelölés forgatása."},
        {"Alt+G", "Csoportos szerkesztés be és ki (kulcskockák)."},
        {"Alt+L", "Összekapcsolt elemek be és ki: bekapcsolva a szülőhöz kötött réteg csak a legfelső "
                  "ősével együtt mozdul."},
        {"Alt+B", "Csontvázas mozgatás (kulcskockák): a kijelölt lánc hajlítása a csontpontokkal."},
        {"Alt+1", "A „B” kapcsoló: elinduljon-e a réteg Base animációja."},
        {"Alt+2", "A „T” kapcsoló: elinduljon-e a réteg Touch animációja."},
        {"Alt+V", "Vízszintes segédvonal az egérmutató magasságában (újra: törlés)."},
        {"Alt+F", "Függőleges segédvonal az egérmutató helyén (újra: törlés)."},
        {"Numerikus +, −", "Nagyítás, kicsinyítés; a rajzvásznon Ctrl+görgő ugyanígy."},
    });
    html += QStringLiteral("<h3>Egér a rajzvásznon</h3>");
    html += Table({
        {"Kattintás", "Egy réteg kijelölése; Shift+kattintás hozzáveszi vagy elveszi."},
        {"Ctrl+kattintás", "Az egymás alatti rétegek közül a következő, mélyebb réteg."},
        {"Húzás a kijelölésen", "Mozgatás; Shifttel csak vízszintesen vagy csak függőlegesen."},
        {"Húzás a sarkon, élen", "Méretezés; a sarkon kívülről húzva forgatás a közös origó körül."},
        {"Dupla kattintás", "A közös origó a réteg origójára kerül."},
        {"Középső gomb", "A nézet görgetése; Ctrl+középső gomb a keret eltolása."},
        {"Lejátszás közben", "A rétegre kattintás a Touch animációját indítja, ahogy a készüléken."},
    });
    html += QStringLiteral("<h3>A „B” és „T” kapcsoló</h3>");
    html += QStringLiteral(
        "<p>Az Animációs parancsok panelen: a <b>B</b> lenyomva azt jelenti, hogy a réteg Base animációja "
        "elindul a lejátszáskor (F1); a <b>T</b> lenyomva azt, hogy a rétegre kattintva (érintésre) elindul "
        "a Touch animációja. A réteg mindkettőt a projektben tárolja (PlayAnim).</p>");
    html += QStringLiteral("<h3>Képek neve: név(x,y).png</h3>");
    html += QStringLiteral(
        "<p>Egy kép hozzáadásakor a zárójelben álló két szám a réteg helye: a <b>csillag(130,376).png</b> "
        "egy <b>csillag</b> nevű réteget ad a 130, 376 pontra (Left, Top). A fájl nevében ne legyen szóköz: "
        "a futtató nem találná meg (a hiba naplóba „Hibás fájl név” kerül).</p>");
    html += QStringLiteral("<h3>Hol legyenek a fájlok</h3>");
    html += QStringLiteral(
        "<p>A projekt a képeket, hangokat és particle fájlokat csak a nevükkel tárolja, és a projekt fájl "
        "(.VKP) mappájában keresi őket. Ha máshonnan ad hozzá egy fájlt, a mentés a projekt mellé másolja "
        "(a napló megmondja, hányat); ha ott már van egy másik, azonos nevű fájl, a mentés nem történik meg, "
        "amíg át nem nevezi. A Rétegek panel Files lapján színezve látszik, mi nincs még a projekt mellett. "
        "A csomagolás (Csomagol) a .VKM mellé másol minden fájlt, és a projektet is oda menti.</p>");
    html += QStringLiteral("<h3>Üzenetek</h3>");
    html += QStringLiteral(
        "<p>A hibák és a fontos hírek (mentés, csomagolás, hiányzó fájl) a Hiba napló panelre kerülnek; a "
        "legújabb néhány másodpercig az állapotsorban is látszik, és a Hiba napló fül címe zárójelben "
        "mutatja, hány újat nem látott még.</p>");
    return html;
}

THelpForm::THelpForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(QStringLiteral("Súgó"));
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
