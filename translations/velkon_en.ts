<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="hu_HU">
<context>
    <name>ChangeLog</name>
    <message>
        <source>Jelek:</source>
        <translation>Legend:</translation>
    </message>
    <message>
        <source>+ Újdonság</source>
        <translation>+ New</translation>
    </message>
    <message>
        <source>x Javítás</source>
        <translation>x Fix</translation>
    </message>
    <message>
        <source>- Eltávolítás</source>
        <translation>- Removal</translation>
    </message>
    <message>
        <source>%1 verzó (%2)</source>
        <translation>Version %1 (%2)</translation>
    </message>
    <message>
        <source>Kezdet (%1)</source>
        <translation>Start (%1)</translation>
    </message>
</context>
<context>
    <name>CommandClipboard</name>
    <message>
        <source>A beillesztett érték túl nagy</source>
        <translation>The pasted value is too large</translation>
    </message>
    <message>
        <source>Hibás vágólap: a parancsok száma nem olvasható: "%1"</source>
        <translation>Invalid clipboard: the number of commands cannot be read: "%1"</translation>
    </message>
    <message>
        <source>Hibás vágólap: %1 parancs helyett kevesebb sor van</source>
        <translation>Invalid clipboard: there are fewer lines than %1 commands need</translation>
    </message>
    <message>
        <source>Hibás vágólap: a(z) %1. parancs fajtája nem olvasható: "%2"</source>
        <translation>Invalid clipboard: the kind of command %1 cannot be read: "%2"</translation>
    </message>
</context>
<context>
    <name>CommandList</name>
    <message>
        <source>A paraméter nem tartalmazhat sortörést! A parancs nem változott.</source>
        <translation>A parameter cannot contain a line break! The command did not change.</translation>
    </message>
    <message>
        <source>A paraméterekben lévő sortörések kimaradtak a vágólapról.</source>
        <translation>The line breaks in the parameters were left out of the clipboard.</translation>
    </message>
    <message>
        <source>%1: a(z) %2. sor (%3) nem olvasható: %4</source>
        <translation>%1: line %2 (%3) cannot be read: %4</translation>
    </message>
    <message>
        <source>Ismeretlen parancs: "%1"</source>
        <translation>Unknown command: "%1"</translation>
    </message>
    <message>
        <source>végtelen</source>
        <translation>infinite</translation>
    </message>
    <message>
        <source>Nem megfeleő vágólap formátum!</source>
        <translation>Unsuitable clipboard format!</translation>
    </message>
    <message>
        <source>Beillesztés: a(z) %1. parancs (%2) nem olvasható: %3</source>
        <translation>Paste: command %1 (%2) cannot be read: %3</translation>
    </message>
    <message>
        <source>MoveTo konvert RelativeMoveTo</source>
        <translation>MoveTo convert RelativeMoveTo</translation>
    </message>
    <message>
        <source>Duration változtatás</source>
        <translation>Change duration</translation>
    </message>
    <message>
        <source>Sebesség:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>Hibás sebesség: "%1"! A sebesség 0-nál nagyobb szám legyen.</source>
        <translation>Invalid speed: "%1"! The speed must be a number greater than 0.</translation>
    </message>
    <message>
        <source>Duration sebességből</source>
        <translation>Duration from speed</translation>
    </message>
    <message>
        <source>Összesen:%1</source>
        <translation>Total:%1</translation>
    </message>
</context>
<context>
    <name>DebuggerGrid</name>
    <message>
        <source>Előzmény</source>
        <translation>Predecessor</translation>
    </message>
</context>
<context>
    <name>DroppedFiles</name>
    <message>
        <source>Projekt csak magában húzható be, a behúzás elmaradt: %1</source>
        <translation>A project can only be dropped on its own; nothing was dropped: %1</translation>
    </message>
    <message>
        <source>Csak helyi fájl húzható be: %1</source>
        <translation>Only local files can be dropped: %1</translation>
    </message>
    <message>
        <source>Mappa nem húzható be: %1</source>
        <translation>A folder cannot be dropped: %1</translation>
    </message>
    <message>
        <source>A fájl nem húzható be: %1</source>
        <translation>The file cannot be dropped: %1</translation>
    </message>
    <message>
        <source>Kép, hang és particle a vászonra vagy a rétegek listájára húzható: %1</source>
        <translation>Pictures, sounds and particles can be dropped on the canvas or on the list of layers: %1</translation>
    </message>
</context>
<context>
    <name>Ease</name>
    <message>
        <source>Hibás időtartam, számnak kell lennie: "%1"</source>
        <translation>Invalid duration, it must be a number: "%1"</translation>
    </message>
</context>
<context>
    <name>Favourites</name>
    <message>
        <source>A kedvencek fájl nem olvasható: %1</source>
        <translation>The favourites file cannot be read: %1</translation>
    </message>
    <message>
        <source>Ismeretlen parancs a kedvencek között [%1] Command=%2</source>
        <translation>Unknown command among the favourites [%1] Command=%2</translation>
    </message>
    <message>
        <source>A kedvenc neve nem tartalmazhat sortörést</source>
        <translation>The name of a favourite cannot contain a line break</translation>
    </message>
    <message>
        <source>A kedvencek fájl nem írható felül, mert nem olvasható: %1</source>
        <translation>The favourites file cannot be overwritten, because it cannot be read: %1</translation>
    </message>
    <message>
        <source>A sáv</source>
        <translation>The track</translation>
    </message>
</context>
<context>
    <name>HelperLines</name>
    <message>
        <source>A segédvonalak listája</source>
        <translation>The list of helper lines</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>A fájlok listája</source>
        <translation>The list of files</translation>
    </message>
    <message>
        <source>A rétegek listája</source>
        <translation>The list of layers</translation>
    </message>
    <message>
        <source>Hibás fájl név: %1</source>
        <translation>Invalid file name: %1</translation>
    </message>
    <message>
        <source>%1 fájl már megtalálható a projectben, ezért azt fogja használni!</source>
        <translation>The file %1 is already in the project, so that one will be used!</translation>
    </message>
    <message>
        <source>%1 nevű objektum már megtalálható a projectben, ezért új ezt az új nevet kapja:%2</source>
        <translation>An object named %1 is already in the project, so it gets this new name:%2</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
</context>
<context>
    <name>Inspector</name>
    <message>
        <source>Név változtatás</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Új név:</source>
        <translation>New name:</translation>
    </message>
    <message>
        <source>A réteg neve nem lehet üres!</source>
        <translation>The name of a layer cannot be empty!</translation>
    </message>
    <message>
        <source>Ilyen név már szerepel a VKP-ben!</source>
        <translation>This name is already in the VKP!</translation>
    </message>
    <message>
        <source>Fájlnév változtatás</source>
        <translation>Rename file</translation>
    </message>
    <message>
        <source>Új fájlnév:</source>
        <translation>New file name:</translation>
    </message>
    <message>
        <source>Ilyen név már szerepel a fájlok közt!</source>
        <translation>This name is already among the files!</translation>
    </message>
    <message>
        <source>Érvénytelen fájlnév (mappa nélküli fájlnév kell): %1</source>
        <translation>Invalid file name (a file name without a folder is needed): %1</translation>
    </message>
    <message>
        <source>Az új név más fájltípust jelentene: %1</source>
        <translation>The new name would mean another file type: %1</translation>
    </message>
    <message>
        <source>A fájl nem található, nem nevezhető át: %1</source>
        <translation>The file cannot be found, so it cannot be renamed: %1</translation>
    </message>
    <message>
        <source>Ilyen nevű fájl már van a mappában: %1</source>
        <translation>A file of this name is already in the folder: %1</translation>
    </message>
    <message>
        <source>A fájl átnevezése nem sikerült (%1): %2</source>
        <translation>Renaming the file failed (%1): %2</translation>
    </message>
</context>
<context>
    <name>KeyFrames</name>
    <message>
        <source>"%1" nem szám</source>
        <translation>"%1" is not a number</translation>
    </message>
    <message>
        <source>A kijelölt elemek parancssorai nem egyformák vagy üresek! Hibanaplóba kerültek a hibás rétegek.</source>
        <translation>The tracks of the selected items are not alike or are empty! The faulty layers were written to the error log.</translation>
    </message>
    <message>
        <source>Duration változtatás</source>
        <translation>Change duration</translation>
    </message>
    <message>
        <source>Sebesség:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>A sebesség csak pozitív szám lehet: %1</source>
        <translation>The speed can only be a positive number: %1</translation>
    </message>
</context>
<context>
    <name>LayerCommandTools</name>
    <message>
        <source>Nem megfeleő vágólap formátum!</source>
        <translation>Unsuitable clipboard format!</translation>
    </message>
    <message>
        <source>A forrás és a cél animáció azonos (Honnan: és Hova:)!</source>
        <translation>The source and the target animation are the same (From: and To:)!</translation>
    </message>
</context>
<context>
    <name>LayerList</name>
    <message>
        <source>%1 elem</source>
        <translation>%1 item(s)</translation>
    </message>
    <message>
        <source>Csoport név változtatása</source>
        <translation>Rename group</translation>
    </message>
    <message>
        <source>Új név</source>
        <translation>New name</translation>
    </message>
    <message>
        <source>Csoportos átnevezés</source>
        <translation>Batch rename</translation>
    </message>
    <message>
        <source>Mennyi karaktert vágjak le az elejéből?</source>
        <translation>How many characters should be cut from the beginning?</translation>
    </message>
    <message>
        <source>Legfeljebb 256 csoport lehet, új csoport nem hozható létre!</source>
        <translation>There can be at most 256 groups; no new group can be made!</translation>
    </message>
    <message>
        <source>Csoport név</source>
        <translation>Group name</translation>
    </message>
    <message>
        <source>Új csoport</source>
        <translation>New group</translation>
    </message>
    <message>
        <source>Hibás szülő kiválasztás, körkörös hiívatkozás lenne!</source>
        <translation>Invalid parent choice: it would make a circular reference!</translation>
    </message>
</context>
<context>
    <name>LayerOps</name>
    <message>
        <source>%1 fájl már megtalálható a projectben!</source>
        <translation>The file %1 is already in the project!</translation>
    </message>
    <message>
        <source>A fájl nem olvasható: %1</source>
        <translation>The file cannot be read: %1</translation>
    </message>
    <message>
        <source>A fájlok listája</source>
        <translation>The list of files</translation>
    </message>
    <message>
        <source>A rétegek listája</source>
        <translation>The list of layers</translation>
    </message>
    <message>
        <source>Hibás fájl név: %1</source>
        <translation>Invalid file name: %1</translation>
    </message>
    <message>
        <source>Képfájl hozzáadása</source>
        <translation>Add picture file</translation>
    </message>
    <message>
        <source>A fájl nem kép: %1</source>
        <translation>The file is not a picture: %1</translation>
    </message>
    <message>
        <source>Hibás koordináta a fájl nevében, a réteg a 0,0 pontra került: %1</source>
        <translation>Invalid coordinate in the file's name; the layer was placed at 0,0: %1</translation>
    </message>
    <message>
        <source>Hangfájl hozzáadás</source>
        <translation>Add sound file</translation>
    </message>
    <message>
        <source>Nem megfelelő a Wav formátuma!%1</source>
        <translation>Unsuitable WAV format!%1</translation>
    </message>
    <message>
        <source>Particle hozzáadása</source>
        <translation>Add particle</translation>
    </message>
    <message>
        <source>Legfeljebb 256 csoport lehet, új csoport nem hozható létre!</source>
        <translation>There can be at most 256 groups; no new group can be made!</translation>
    </message>
    <message>
        <source> másolat</source>
        <translation> copy</translation>
    </message>
    <message>
        <source>Biztos törli?</source>
        <translation>Are you sure you want to delete?</translation>
    </message>
    <message>
        <source>Biztos törli?

Más rétegek %1 parancsa is törlődik, mert a törölt rétegekre hivatkozik.</source>
        <translation>Are you sure you want to delete?

%1 command(s) of other layers are deleted too, because they refer to the deleted layers.</translation>
    </message>
    <message>
        <source>Biztos törli?

Más rétegek %1 parancsa is törlődik, mert a törölt rétegre hivatkozik.</source>
        <translation>Are you sure you want to delete?

%1 command(s) of other layers are deleted too, because they refer to the deleted layer.</translation>
    </message>
    <message>
        <source>Törlés</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>%1 réteg törölve; a rá hivatkozó parancsok közül törölve: %2</source>
        <translation>Layer %1 deleted; commands referring to it that were deleted: %2</translation>
    </message>
    <message>
        <source>Kép fájl nem törölhető!</source>
        <translation>A picture file cannot be deleted!</translation>
    </message>
    <message>
        <source>A fájlt használja egy animáció így nem törölhető!</source>
        <translation>An animation uses the file, so it cannot be deleted!</translation>
    </message>
    <message>
        <source>A fájlt egy réteg használja, így nem törölhető!</source>
        <translation>A layer uses the file, so it cannot be deleted!</translation>
    </message>
</context>
<context>
    <name>LineBreaks</name>
    <message>
        <source>A név nem tartalmazhat sortörést!</source>
        <translation>A name cannot contain a line break!</translation>
    </message>
    <message>
        <source>A(z) "%1" karakter nem írható a projekt fájlba (Windows-1250), a név nem használható: %2</source>
        <translation>The character "%1" cannot be written into the project file (Windows-1250); the name cannot be used: %2</translation>
    </message>
</context>
<context>
    <name>ListRoom</name>
    <message>
        <source>%1: legfeljebb %2 elem lehet, a művelet után %3 lenne; semmi nem változott</source>
        <translation>%1: there can be at most %2 entries, after the operation there would be %3; nothing changed</translation>
    </message>
    <message>
        <source>A(z) %1 réteg sávja</source>
        <translation>The track of layer %1</translation>
    </message>
</context>
<context>
    <name>LoadForCommand</name>
    <message>
        <source>betöltés: %1</source>
        <translation>load: %1</translation>
    </message>
    <message>
        <source>a(z) "%1" projekt nem olvasható</source>
        <translation>cannot read the project "%1"</translation>
    </message>
    <message>
        <source>a(z) "%1" projekt nem olvasható: %2</source>
        <translation>cannot read the project "%1": %2</translation>
    </message>
</context>
<context>
    <name>PackExport</name>
    <message>
        <source>Hibás csomag név: %1 (%2)</source>
        <translation>Invalid pack name: %1 (%2)</translation>
    </message>
    <message>
        <source>ez egy mappa, nem fájl</source>
        <translation>this is a folder, not a file</translation>
    </message>
    <message>
        <source>nincs fájl neve</source>
        <translation>it has no file name</translation>
    </message>
    <message>
        <source>a csomag nem lehet .VKP vagy .VKO fájl</source>
        <translation>the pack cannot be a .VKP or .VKO file</translation>
    </message>
    <message>
        <source>Retinás felbontás van beállítva!</source>
        <translation>A retina resolution is set!</translation>
    </message>
    <message>
        <source>Nem szám és nem paraméter függvény: %1, %2 %3. parancssor, %4. parancs, %5 %6 = "%7"</source>
        <translation>Neither a number nor a parameter function: %1, %2 track %3, command %4, %5 %6 = "%7"</translation>
    </message>
    <message>
        <source>Túl alacsony az alfa és van érintési animáció: %1</source>
        <translation>The alpha is too low and there is a touch animation: %1</translation>
    </message>
    <message>
        <source>A touch rect túl nagy: %1</source>
        <translation>The touch rectangle is too large: %1</translation>
    </message>
    <message>
        <source>Hibás fájl név: %1</source>
        <translation>Invalid file name: %1</translation>
    </message>
    <message>
        <source>A VKM készítés közben hiba lépett fel, a hibák a hiba naplóba bekerültek.</source>
        <translation>Errors occurred while making the VKM; they have been written to the error log.</translation>
    </message>
    <message>
        <source>VKM készítése</source>
        <translation>Make VKM</translation>
    </message>
    <message>
        <source>A fájl neve egyezik a csomag egyik fájljáéval: %1</source>
        <translation>The file has the same name as one of the pack's own files: %1</translation>
    </message>
    <message>
        <source>A fájl nem csomagolható: %1 (%2)</source>
        <translation>The file cannot be packed: %1 (%2)</translation>
    </message>
    <message>
        <source>A csomag nem készült el: %1</source>
        <translation>The pack was not made: %1</translation>
    </message>
    <message>
        <source>Csomagolás</source>
        <translation>Packing</translation>
    </message>
    <message>
        <source>A csomag nem készült el, semmi nem íródott ki: a(z) %1 csak részben töltődött be, és a csomag felülírná (%2)</source>
        <translation>The pack was not made and nothing was written: %1 was only partly loaded, and the pack would replace it (%2)</translation>
    </message>
    <message>
        <source>A csomag nem készült el, a mappában semmi nem változott: %1</source>
        <translation>The pack was not made; nothing in the folder changed: %1</translation>
    </message>
    <message>
        <source>A csomag hiányos: a(z) %1 elkészült, de %2 fájl nem íródott ki: %3. A mappában a fel nem sorolt fájlok újak; a felsoroltak helyén a korábbi változatuk maradt, ha volt.</source>
        <translation>The pack is incomplete: %1 was made, but %2 file(s) were not written: %3. The files in the folder that are not listed are new; in place of the listed ones their earlier version remained, if there was one.</translation>
    </message>
</context>
<context>
    <name>Params</name>
    <message>
        <source>A paraméter függvényéhez nincs réteg: "%1"</source>
        <translation>The parameter function has no layer: "%1"</translation>
    </message>
    <message>
        <source>Ismeretlen réteg "%1" a paraméterben: "%2"</source>
        <translation>Unknown layer "%1" in the parameter: "%2"</translation>
    </message>
    <message>
        <source>Nullával osztás (sebesség 0): "%1"</source>
        <translation>Division by zero (speed 0): "%1"</translation>
    </message>
    <message>
        <source>Hibás Ease paraméter, hiányzik "%1": "%2"</source>
        <translation>Invalid Ease parameter, "%1" is missing: "%2"</translation>
    </message>
    <message>
        <source>"%1" nem egész szám</source>
        <translation>"%1" is not a whole number</translation>
    </message>
    <message>
        <source>"%1" túl nagy szám</source>
        <translation>"%1" is too large a number</translation>
    </message>
    <message>
        <source>Hibás kulcskocka, hiányzik "%1": "%2"</source>
        <translation>Invalid keyframe, "%1" is missing: "%2"</translation>
    </message>
</context>
<context>
    <name>PathTools</name>
    <message>
        <source>Az indítási parancsok elkészültek!</source>
        <translation>The start commands are ready!</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>%1 x %2 képpont</source>
        <translation>%1 x %2 pixels</translation>
    </message>
    <message>
        <source>%1 bájt</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>, legfeljebb %1 képpont oldalanként</source>
        <translation>, at most %1 pixels a side</translation>
    </message>
    <message>
        <source>a fájl vége hiányzik</source>
        <translation>the end of the file is missing</translation>
    </message>
    <message>
        <source>a fájl túl rövid a fejlécében megadott %1hoz</source>
        <translation>the file is too short for the %1 given in its header</translation>
    </message>
    <message>
        <source>kibontva %1 volna, a projekt képeinek már csak %2 maradt</source>
        <translation>it would take %1 decoded, and only %2 is left for the project's pictures</translation>
    </message>
    <message>
        <source>nem bontható ki (színtípus %1, %2 bit)</source>
        <translation>cannot be decoded (colour type %1, %2 bit)</translation>
    </message>
    <message>
        <source>a BMP fejléc hiányos</source>
        <translation>the BMP header is incomplete</translation>
    </message>
    <message>
        <source>a BMP fejlécében érvénytelen méret: %1</source>
        <translation>invalid size in the BMP header: %1</translation>
    </message>
    <message>
        <source>üres fájl</source>
        <translation>empty file</translation>
    </message>
    <message>
        <source>ismeretlen képformátum</source>
        <translation>unknown picture format</translation>
    </message>
    <message>
        <source>nincs elég memória a kép betöltéséhez</source>
        <translation>not enough memory to load the picture</translation>
    </message>
    <message>
        <source>ismeretlen hiba</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>Nincs meg a fájl: %1</source>
        <translation>File not found: %1</translation>
    </message>
    <message>
        <source>Hibás kép fájl: %1 (%2)</source>
        <translation>Invalid picture file: %1 (%2)</translation>
    </message>
    <message>
        <source>Túl nagy kép: %1 (%2)</source>
        <translation>Picture too large: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>ProjectCommands</name>
    <message>
        <source>Projekt mentése</source>
        <translation>Save project</translation>
    </message>
    <message>
        <source>Projekt megnyitása</source>
        <translation>Open project</translation>
    </message>
    <message>
        <source>A projekt fájl beolvasása félbeszakadt (%1). Ami utána következett (a további rétegek, parancsok és segédvonalak), nincs betöltve; ha felülírja vele a(z) %2 fájlt, az mind elvész. Biztos felülírja?</source>
        <translation>Reading the project file stopped part-way (%1). What came after it (the further layers, commands and helper lines) is not loaded; if you overwrite %2 with it, all of that is lost. Overwrite anyway?</translation>
    </message>
    <message>
        <source>Üres projektet akar menteni!</source>
        <translation>You are trying to save an empty project!</translation>
    </message>
    <message>
        <source>Mentés</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Biztos más éven menti el mint a projet neve?</source>
        <translation>Save it under a name other than the project's name?</translation>
    </message>
    <message>
        <source>Project elmentve.</source>
        <translation>Project saved.</translation>
    </message>
    <message>
        <source>Betöltés</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>A projekt nincs elmentve, biztos betölt egy másikat?</source>
        <translation>The project is not saved. Load another one anyway?</translation>
    </message>
    <message>
        <source>A projekt nem található: %1</source>
        <translation>Project not found: %1</translation>
    </message>
    <message>
        <source>A projekt nem található, kikerült a legutóbbiak közül: %1</source>
        <translation>Project not found; it was removed from the recent projects: %1</translation>
    </message>
    <message>
        <source>A kilépési mentés elmaradt: a projekt csak részben töltődött be ebből a fájlból, a maradéka nem írhatja felül: %1</source>
        <translation>The exit save was skipped: the project was only partly loaded from this file, and what was loaded may not overwrite it: %1</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>Nincs meg a fájl: %1</source>
        <translation>File not found: %1</translation>
    </message>
    <message>
        <source>Hibás szín a projekt fájlban: [%1] %2=%3</source>
        <translation>Invalid colour in the project file: [%1] %2=%3</translation>
    </message>
    <message>
        <source>Túl nagy szám a projekt fájlban: [%1] %2=%3, helyette: %4</source>
        <translation>Number too large in the project file: [%1] %2=%3, %4 used instead</translation>
    </message>
    <message>
        <source>Hibás szám a projekt fájlban: [%1] %2=%3, helyette: %4</source>
        <translation>Invalid number in the project file: [%1] %2=%3, %4 used instead</translation>
    </message>
    <message>
        <source>%1: csak az első %2 elem töltődött be</source>
        <translation>%1: only the first %2 entries were loaded</translation>
    </message>
    <message>
        <source>Hibás fájl név: %1</source>
        <translation>Invalid file name: %1</translation>
    </message>
    <message>
        <source>Hibás hang fájl: %1 (%2)</source>
        <translation>Invalid sound file: %1 (%2)</translation>
    </message>
    <message>
        <source>A(z) %1 réteg fájlja nincs a projekt fájljai között: %2</source>
        <translation>The file of layer %1 is not among the project's files: %2</translation>
    </message>
    <message>
        <source>%1 nevű objektum már megtalálható a projectben, ezért új ezt az új nevet kapja:%2</source>
        <translation>An object named %1 is already in the project, so it gets this new name:%2</translation>
    </message>
    <message>
        <source>A(z) %1 réteg %2. sávja</source>
        <translation>Track %2 of layer %1</translation>
    </message>
    <message>
        <source>A rétegek listája</source>
        <translation>The list of layers</translation>
    </message>
    <message>
        <source>Nem sikerült megnyitni a projekt fájlt: %1</source>
        <translation>Could not open the project file: %1</translation>
    </message>
    <message>
        <source>Nem sikerült megnyitni a projekt fájlt: %1 (%2)</source>
        <translation>Could not open the project file: %1 (%2)</translation>
    </message>
    <message>
        <source>Nem sikerült olvasni a projekt fájlt: %1</source>
        <translation>Could not read the project file: %1</translation>
    </message>
    <message>
        <source>A projekt fájl %1. sora túl hosszú (több mint %2 bájt): %3</source>
        <translation>Line %1 of the project file is too long (more than %2 bytes): %3</translation>
    </message>
</context>
<context>
    <name>ProjectPlace</name>
    <message>
        <source>Csomag elkészült: %1 | a projekt új helye (ide ment a Ctrl+S): %2</source>
        <translation>Pack made: %1 | the project's new place (Ctrl+S saves here): %2</translation>
    </message>
</context>
<context>
    <name>ProjectTextCache</name>
    <message>
        <source>A réteg szövege nem írható: %1</source>
        <translation>The layer's text cannot be written: %1</translation>
    </message>
</context>
<context>
    <name>RecoveryKeeper</name>
    <message>
        <source>Helyreállítási másolat nem készült: %1</source>
        <translation>No recovery copy was made: %1</translation>
    </message>
</context>
<context>
    <name>RecoveryStore</name>
    <message>
        <source>A mappa nem írható: %1</source>
        <translation>The folder cannot be written: %1</translation>
    </message>
</context>
<context>
    <name>ResourceFile</name>
    <message>
        <source>a fájl %1, legfeljebb %2 lehet</source>
        <translation>the file is %1, it may be at most %2</translation>
    </message>
    <message>
        <source>nem olvasható: %1</source>
        <translation>cannot be read: %1</translation>
    </message>
    <message>
        <source>ez egy mappa, nem fájl</source>
        <translation>this is a folder, not a file</translation>
    </message>
    <message>
        <source>nem közönséges fájl (FIFO vagy eszköz)</source>
        <translation>not a regular file (a FIFO or a device)</translation>
    </message>
    <message>
        <source>a link a mappáján kívülre mutat: %1</source>
        <translation>the link points out of its folder: %1</translation>
    </message>
    <message>
        <source>a fájl nagyobb, mint %1</source>
        <translation>the file is larger than %1</translation>
    </message>
    <message>
        <source>%1 bájt</source>
        <translation>%1 bytes</translation>
    </message>
</context>
<context>
    <name>ResourcesBeside</name>
    <message>
        <source>A fájl nem olvasható: %1 (%2)</source>
        <translation>The file cannot be read: %1 (%2)</translation>
    </message>
    <message>
        <source>A projekt nincs mentve: a(z) %1 mappában már van más tartalmú fájl ezen a néven: %2. Nevezze át a fájlt, vagy mentse a projektet másik mappába.</source>
        <translation>The project was not saved: the folder %1 already holds a file with different content under this name: %2. Rename the file, or save the project into another folder.</translation>
    </message>
    <message>
        <source>Nincs meg a fájl, nem került a projekt mellé: %1</source>
        <translation>File not found; it was not placed beside the project: %1</translation>
    </message>
    <message>
        <source>%1 fájl a projekt mappájába másolva: %2</source>
        <translation>%1 file(s) copied into the project's folder: %2</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>Nem sikerült írni a fájlt: %1 (%2)</source>
        <translation>Could not write the file: %1 (%2)</translation>
    </message>
    <message>
        <source>Szimbolikus link helyére nem írok: %1</source>
        <translation>Not writing in place of a symbolic link: %1</translation>
    </message>
    <message>
        <source>A fájl helyén egy mappa van: %1</source>
        <translation>There is a folder in place of the file: %1</translation>
    </message>
    <message>
        <source>nincs fájl név</source>
        <translation>no file name</translation>
    </message>
</context>
<context>
    <name>Scene</name>
    <message>
        <source>Réteg: %1: %2.sor %3-%4</source>
        <translation>Layer: %1: line %2 %3-%4</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>Nincs hangeszköz: a hang ki van kapcsolva.</source>
        <translation>No sound device: sound is switched off.</translation>
    </message>
</context>
<context>
    <name>TCommandDesc</name>
    <message>
        <source>Parameters: x, y, duration</source>
        <translation>Parameters: x, y, duration</translation>
    </message>
    <message>
        <source>A megadot x, y kordinátára mozgatja a képet, megadott idő alatt.</source>
        <translation>Moves the picture to the given x, y coordinates in the given time.</translation>
    </message>
    <message>
        <source>A képet a jelenlegi poziciójától elmozdítja a magadott értékkel, megadott idő alatt.</source>
        <translation>Moves the picture from its current position by the given amount in the given time.</translation>
    </message>
    <message>
        <source>Parameters: width, height, duration</source>
        <translation>Parameters: width, height, duration</translation>
    </message>
    <message>
        <source>Átmértezi megadott idő alatt a képet.</source>
        <translation>Resizes the picture in the given time.</translation>
    </message>
    <message>
        <source>Parameters: degress, duration</source>
        <translation>Parameters: degress, duration</translation>
    </message>
    <message>
        <source>Elforgatja az alakzatot az óra mutatóval megegyező írányba, ha ellenkezőt akarsz akkor negatív fokot kell megadni. Ha középpontos forgatást akasrz akkor a Centert válaszd a type-nál.</source>
        <translation>Rotates the shape clockwise; to turn it the other way, give a negative angle. To rotate it around its centre, choose Center as the type.</translation>
    </message>
    <message>
        <source>image name</source>
        <translation>image name</translation>
    </message>
    <message>
        <source>A kép ábráját lecseréli másik ábrára.</source>
        <translation>Replaces the picture's image with another image.</translation>
    </message>
    <message>
        <source>Parameter: dalay</source>
        <translation>Parameter: dalay</translation>
    </message>
    <message>
        <source>Adott másordpercnyit várakozik.</source>
        <translation>Waits for the given number of seconds.</translation>
    </message>
    <message>
        <source>Parameter: type = 0 aktuális parancssor, 1-összes parancssor</source>
        <translation>Parameter: type = 0 current track, 1 - all tracks</translation>
    </message>
    <message>
        <source>Újra elkezdi az animációt, nem csinál ReSet-et.</source>
        <translation>Starts the animation again, without a ReSet.</translation>
    </message>
    <message>
        <source>Megjeleníti az adott nevű képet</source>
        <translation>Shows the picture of the given name</translation>
    </message>
    <message>
        <source>Elrejti az adot nevű képet, közben a mozgások mennek tovább.</source>
        <translation>Hides the picture of the given name; its movements go on meanwhile.</translation>
    </message>
    <message>
        <source>direction = 0 - nincs tükrözés</source>
        <translation>direction = 0 - no mirroring</translation>
    </message>
    <message>
        <source>1 - vizszintses</source>
        <translation>1 - horizontal</translation>
    </message>
    <message>
        <source>2 - függőleges</source>
        <translation>2 - vertical</translation>
    </message>
    <message>
        <source>3-mindkettő</source>
        <translation>3 - both</translation>
    </message>
    <message>
        <source>Tükrözi a képet</source>
        <translation>Mirrors the picture</translation>
    </message>
    <message>
        <source>Parameter: name, which</source>
        <translation>Parameter: name, which</translation>
    </message>
    <message>
        <source>Elindítja egy kép megadott animációját which 0 = Base, 1 = Touch. A másik képben célszerű egy ReSettel zárni a parancsokat mert így visszaállítódnak az alap értékek.</source>
        <translation>Starts the given animation of a picture: which 0 = Base, 1 = Touch. End the other picture's commands with a ReSet, so that its default values come back.</translation>
    </message>
    <message>
        <source>Parameter: name</source>
        <translation>Parameter: name</translation>
    </message>
    <message>
        <source>Megállítja az animációt</source>
        <translation>Stops the animation</translation>
    </message>
    <message>
        <source>Parameter: value, duration</source>
        <translation>Parameter: value, duration</translation>
    </message>
    <message>
        <source>Megadott alfa értéknek megfeleően változtatja az átlátszóságot. 0 teljesen átlátszó, 255 nem átlátszó. Szép elhalványulást lehet vele csinálni.</source>
        <translation>Changes the transparency to the given alpha value: 0 is fully transparent, 255 is opaque. Good for smooth fades.</translation>
    </message>
    <message>
        <source>Visszaállítja az alapértékeket, leginkább akkor van szerepe ha egy másik kép indította el az adott kép animációját.</source>
        <translation>Restores the default values; mostly useful when another picture started this picture's animation.</translation>
    </message>
    <message>
        <source>Lejátsza a megadott nevű hangeffektet</source>
        <translation>Plays the sound effect of the given name</translation>
    </message>
    <message>
        <source>Parameter: count, step</source>
        <translation>Parameter: count, step</translation>
    </message>
    <message>
        <source>Visszalép a parancsokban step lépésnyit count alkalommal</source>
        <translation>Steps back step commands, count times</translation>
    </message>
    <message>
        <source>Parameter: value</source>
        <translation>Parameter: value</translation>
    </message>
    <message>
        <source>Gyorsulást lehet beállítani, alap érték 0 - ezzel lehet kikapcsolni a gyorsulást.</source>
        <translation>Sets an acceleration; the default value is 0, which switches acceleration off.</translation>
    </message>
    <message>
        <source>Kulcskocka kézzel ne szerkeszd :)</source>
        <translation>Don't edit a keyframe by hand :)</translation>
    </message>
    <message>
        <source>Leállítja a megadott nevű hangeffektet</source>
        <translation>Stops the sound effect of the given name</translation>
    </message>
    <message>
        <source>Elindítja a megadott nevű részecske szimulációt</source>
        <translation>Starts the particle simulation of the given name</translation>
    </message>
    <message>
        <source>Leállítja a megadott nevű részecske szimulációt</source>
        <translation>Stops the particle simulation of the given name</translation>
    </message>
</context>
<context>
    <name>TCommandEdit</name>
    <message>
        <source>A(z) "%1" paraméter csak szám vagy paraméter függvény lehet: "%2"</source>
        <translation>Parameter "%1" can only be a number or a parameter function: "%2"</translation>
    </message>
    <message>
        <source>A paraméter nem tartalmazhat sortörést!</source>
        <translation>A parameter cannot contain a line break!</translation>
    </message>
</context>
<context>
    <name>TFrameSink</name>
    <message>
        <source>WebP animáció nem lehet %1x%2 képpontos</source>
        <translation>a WebP animation cannot be %1x%2 pixels</translation>
    </message>
    <message>
        <source>nincs elég memória egy WebP képkockához</source>
        <translation>out of memory for a WebP frame</translation>
    </message>
    <message>
        <source>a WebP kódolása nem sikerült: %1</source>
        <translation>WebP encoding failed: %1</translation>
    </message>
    <message>
        <source>nincs kiírandó WebP animáció</source>
        <translation>no WebP animation to write</translation>
    </message>
    <message>
        <source>a képkockák már lezárultak</source>
        <translation>the frames were already finished</translation>
    </message>
    <message>
        <source>üres képkocka</source>
        <translation>an empty frame</translation>
    </message>
    <message>
        <source>a(z) %1. képkocka %2x%3 méretű, az első %4x%5 volt</source>
        <translation>frame %1 is %2x%3, the first was %4x%5</translation>
    </message>
    <message>
        <source>a(z) "%1" mappa nem hozható létre</source>
        <translation>cannot make the folder "%1"</translation>
    </message>
    <message>
        <source>a(z) "%1" nem mappa</source>
        <translation>"%1" is not a folder</translation>
    </message>
    <message>
        <source>a(z) "%1" mappába nem lehet írni</source>
        <translation>cannot write into the folder "%1"</translation>
    </message>
    <message>
        <source>a(z) %1. képkocka PNG-kódolása nem sikerült</source>
        <translation>PNG encoding failed for frame %1</translation>
    </message>
    <message>
        <source>nincs kiírandó képkocka</source>
        <translation>no frame to write</translation>
    </message>
</context>
<context>
    <name>TOffscreenSurface</name>
    <message>
        <source>az EGL-ben nincs eglGetPlatformDisplayEXT</source>
        <translation>EGL has no eglGetPlatformDisplayEXT</translation>
    </message>
    <message>
        <source>ablakrendszer nélkül nincs EGL-kijelző (sem surfaceless, sem device platform)</source>
        <translation>no EGL display without a window system (surfaceless or device platform)</translation>
    </message>
    <message>
        <source>a képkocka nem lehet %1x%2 képpontos</source>
        <translation>a frame cannot be %1x%2 pixels</translation>
    </message>
    <message>
        <source>az EGL felület nélkül nem tud környezetet aktiválni</source>
        <translation>EGL cannot make a context current without a surface</translation>
    </message>
    <message>
        <source>az EGL nem kínál asztali OpenGL-t</source>
        <translation>EGL offers no desktop OpenGL</translation>
    </message>
    <message>
        <source>az EGL-nek nincs beállítása asztali OpenGL-hez</source>
        <translation>EGL has no configuration for desktop OpenGL</translation>
    </message>
    <message>
        <source>az EGL nem tudott OpenGL-környezetet létrehozni (0x%1)</source>
        <translation>EGL could not make an OpenGL context (0x%1)</translation>
    </message>
    <message>
        <source>az EGL nem tudta aktiválni az OpenGL-környezetet (0x%1; talán egy másik aktív?)</source>
        <translation>EGL could not make the OpenGL context current (0x%1; is another one current?)</translation>
    </message>
    <message>
        <source>az OpenGL-ben nincsenek framebuffer-objektumok</source>
        <translation>OpenGL has no framebuffer objects</translation>
    </message>
    <message>
        <source>az OpenGL nem tud %1x%2 méretű képkockába rajzolni</source>
        <translation>OpenGL cannot draw into a %1x%2 frame</translation>
    </message>
</context>
<context>
    <name>TRenderCommand</name>
    <message>
        <source>használat: velkon render PROJEKT.VKP MAPPA [--fps N] [--from MS] [--to MS] [--seed N]
                         [--touch RÉTEG@MS]... [--size SZxM] [--format png|webp] [--quality Q]</source>
        <translation>usage: velkon render PROJECT.VKP OUTDIR [--fps N] [--from MS] [--to MS] [--seed N]
                     [--touch LAYER@MS]... [--size WxH] [--format png|webp] [--quality Q]</translation>
    </message>
    <message>
        <source>a(z) %1 kapcsoló után érték kell</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>--fps: a(z) "%1" nem 1 és 1000 közötti egész szám</source>
        <translation>--fps: "%1" is not a whole number from 1 to 1000</translation>
    </message>
    <message>
        <source>%1: a(z) "%2" nem ezredmásodpercben megadott idő</source>
        <translation>%1: "%2" is not a time in milliseconds</translation>
    </message>
    <message>
        <source>--seed: a(z) "%1" nem egész szám</source>
        <translation>--seed: "%1" is not a whole number</translation>
    </message>
    <message>
        <source>--touch: a(z) "%1" nem RÉTEG@MS alakú</source>
        <translation>--touch: "%1" is not LAYER@MS</translation>
    </message>
    <message>
        <source>--size: a(z) "%1" nem SZxM alakú (oldalanként 1–%2 képpont)</source>
        <translation>--size: "%1" is not WxH (1 to %2 pixels a side)</translation>
    </message>
    <message>
        <source>--format: a(z) "%1" sem nem png, sem nem webp</source>
        <translation>--format: "%1" is neither png nor webp</translation>
    </message>
    <message>
        <source>--quality: a(z) "%1" nem 0 és 100 közötti egész szám</source>
        <translation>--quality: "%1" is not a whole number from 0 to 100</translation>
    </message>
    <message>
        <source>váratlan argumentum: "%1"</source>
        <translation>unexpected argument "%1"</translation>
    </message>
    <message>
        <source>a PROJEKT.VKP és a MAPPA megadása kötelező</source>
        <translation>PROJECT.VKP and OUTDIR are required</translation>
    </message>
    <message>
        <source>a --to %1 korábbi a --from %2 értékénél</source>
        <translation>--to %1 is before --from %2</translation>
    </message>
    <message>
        <source>a --quality csak a --format webp mellett adható meg</source>
        <translation>--quality is for --format webp only</translation>
    </message>
    <message>
        <source>--size: a WebP oldalanként legfeljebb %1 képpontos lehet</source>
        <translation>--size: a WebP has at most %1 pixels a side</translation>
    </message>
    <message>
        <source>nincs ilyen réteg: %1</source>
        <translation>no such layer: %1</translation>
    </message>
    <message>
        <source>%1 hiba: %2</source>
        <translation>%1 error: %2</translation>
    </message>
    <message>
        <source>textúra: %1</source>
        <translation>texture: %1</translation>
    </message>
    <message>
        <source>%1. képkocka / %2 (%3 ms)</source>
        <translation>frame %1 of %2 (%3 ms)</translation>
    </message>
    <message>
        <source>%1. képkocka / legfeljebb %2 (%3 ms)</source>
        <translation>frame %1 of at most %2 (%3 ms)</translation>
    </message>
</context>
<context>
    <name>TRenderJob</name>
    <message>
        <source>a vég (%1 ms) korábbi a kezdetnél (%2 ms)</source>
        <translation>the end %1 ms is before the start %2 ms</translation>
    </message>
    <message>
        <source>nincs ilyen réteg: %1</source>
        <translation>no such layer: %1</translation>
    </message>
    <message>
        <source>megszakítva</source>
        <translation>cancelled</translation>
    </message>
</context>
<context>
    <name>TSimulation</name>
    <message>
        <source>használat: velkon simulate PROJEKT.VKP --at T1,T2,... [--step MS] [--seed N] [--timescale N]
                           [--touch RÉTEG@MS]... [--preview RÉTEG[,RÉTEG...]] [--no-autostop] [--events]</source>
        <translation>usage: velkon simulate PROJECT.VKP --at T1,T2,... [--step MS] [--seed N] [--timescale N]
                       [--touch LAYER@MS]... [--preview LAYER[,LAYER...]] [--no-autostop] [--events]</translation>
    </message>
    <message>
        <source>a(z) %1 kapcsoló után érték kell</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>--at: a(z) "%1" nem ezredmásodpercben megadott idő</source>
        <translation>--at: "%1" is not a time in milliseconds</translation>
    </message>
    <message>
        <source>--step: a(z) "%1" nem pozitív egész szám</source>
        <translation>--step: "%1" is not a positive whole number</translation>
    </message>
    <message>
        <source>--seed: a(z) "%1" nem egész szám</source>
        <translation>--seed: "%1" is not a whole number</translation>
    </message>
    <message>
        <source>--timescale: a(z) "%1" nem legalább 1 értékű egész szám</source>
        <translation>--timescale: "%1" is not a whole number from 1</translation>
    </message>
    <message>
        <source>--touch: a(z) "%1" nem RÉTEG@MS alakú</source>
        <translation>--touch: "%1" is not LAYER@MS</translation>
    </message>
    <message>
        <source>a --preview után legalább egy rétegnév kell</source>
        <translation>--preview needs at least one layer name</translation>
    </message>
    <message>
        <source>váratlan argumentum: "%1"</source>
        <translation>unexpected argument "%1"</translation>
    </message>
    <message>
        <source>nincs megadva projektfájl</source>
        <translation>no project file given</translation>
    </message>
    <message>
        <source>a --at megadása kötelező</source>
        <translation>--at is required</translation>
    </message>
    <message>
        <source>--at: a(z) %1 nem többszöröse a --step %2 értékének</source>
        <translation>--at: %1 is not a multiple of --step %2</translation>
    </message>
    <message>
        <source>--touch: a(z) "%1" nem ezredmásodpercben megadott idő</source>
        <translation>--touch: "%1" is not a time in milliseconds</translation>
    </message>
    <message>
        <source>--touch: a(z) %1 nem többszöröse a --step %2 értékének</source>
        <translation>--touch: %1 is not a multiple of --step %2</translation>
    </message>
    <message>
        <source>nincs ilyen réteg: %1</source>
        <translation>no such layer: %1</translation>
    </message>
    <message>
        <source>%1 hiba: %2</source>
        <translation>%1 error: %2</translation>
    </message>
</context>
<context>
    <name>TUndoBuffer</name>
    <message>
        <source>Mozgatás egérrel</source>
        <translation>Move with the mouse</translation>
    </message>
    <message>
        <source>Parancs mozgatás</source>
        <translation>Move command</translation>
    </message>
    <message>
        <source>Tulajdonság változás</source>
        <translation>Property change</translation>
    </message>
    <message>
        <source>Origó beállítás</source>
        <translation>Set origin</translation>
    </message>
    <message>
        <source>Parancs átalakítás</source>
        <translation>Convert command</translation>
    </message>
    <message>
        <source>Duration átalakítás</source>
        <translation>Convert duration</translation>
    </message>
    <message>
        <source>Parancs hozzáadás</source>
        <translation>Add command</translation>
    </message>
    <message>
        <source>Parancs beillesztés</source>
        <translation>Paste commands</translation>
    </message>
    <message>
        <source>Parancs törlés</source>
        <translation>Delete commands</translation>
    </message>
    <message>
        <source>Kedvencek szerkesztése</source>
        <translation>Edit favourites</translation>
    </message>
    <message>
        <source>Parancs szerkesztése</source>
        <translation>Edit command</translation>
    </message>
    <message>
        <source>Kulcskockák idejének beállítása</source>
        <translation>Set keyframe times</translation>
    </message>
    <message>
        <source>Kulcskocka másolása</source>
        <translation>Copy keyframe</translation>
    </message>
    <message>
        <source>Kulcskocka törlése</source>
        <translation>Delete keyframe</translation>
    </message>
    <message>
        <source>Kulcskocka - indítási parancsok</source>
        <translation>Keyframe - start commands</translation>
    </message>
    <message>
        <source>Görbe útvonal létrehozása</source>
        <translation>Make curved path</translation>
    </message>
    <message>
        <source>Több kulcskocka másolása</source>
        <translation>Copy several keyframes</translation>
    </message>
    <message>
        <source>Több kulcskocka törlése</source>
        <translation>Delete several keyframes</translation>
    </message>
    <message>
        <source>Kulcskocka transzponálás</source>
        <translation>Transpose keyframe</translation>
    </message>
    <message>
        <source>Kulcskocka ideje sebességből</source>
        <translation>Keyframe time from speed</translation>
    </message>
    <message>
        <source>Kulcskocka mozgatása</source>
        <translation>Move keyframe</translation>
    </message>
    <message>
        <source>Kulcskocka tárolás</source>
        <translation>Store keyframe</translation>
    </message>
    <message>
        <source>Kulcskockás szerkesztés kezdése</source>
        <translation>Start keyframe editing</translation>
    </message>
    <message>
        <source>Kulcskockás szerkesztés befejezése</source>
        <translation>End keyframe editing</translation>
    </message>
    <message>
        <source>Redo készítése</source>
        <translation>Make redo</translation>
    </message>
    <message>
        <source>Csoport létrehozás</source>
        <translation>Make group</translation>
    </message>
    <message>
        <source>Szülő beállítás egérrel</source>
        <translation>Set parent with the mouse</translation>
    </message>
    <message>
        <source>Rétegekhez parancs beillesztés</source>
        <translation>Paste commands into layers</translation>
    </message>
    <message>
        <source>Rétegek transzponálása</source>
        <translation>Transpose layers</translation>
    </message>
    <message>
        <source>Rétegek parancsok törlése</source>
        <translation>Delete commands of layers</translation>
    </message>
    <message>
        <source>Réteg hozzáadás</source>
        <translation>Add layer</translation>
    </message>
    <message>
        <source>Réteg törlés</source>
        <translation>Delete layer</translation>
    </message>
    <message>
        <source>Réteg klónozás</source>
        <translation>Clone layer</translation>
    </message>
    <message>
        <source>Rétegsorrend</source>
        <translation>Layer order</translation>
    </message>
    <message>
        <source>Átnevezés</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Fájl átnevezés</source>
        <translation>Rename file</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Fájl hozzáadás</source>
        <translation>Add file</translation>
    </message>
    <message>
        <source>Fájl törlés</source>
        <translation>Delete file</translation>
    </message>
    <message>
        <source>Csoport megszüntetés</source>
        <translation>Ungroup</translation>
    </message>
    <message>
        <source>Csoport átnevezés</source>
        <translation>Rename group</translation>
    </message>
    <message>
        <source>Láthatóság váltás</source>
        <translation>Toggle visibility</translation>
    </message>
    <message>
        <source>Zárolás váltás</source>
        <translation>Toggle lock</translation>
    </message>
    <message>
        <source>Megjelenítés váltás</source>
        <translation>Toggle display</translation>
    </message>
    <message>
        <source>Szín beállítás</source>
        <translation>Set colour</translation>
    </message>
    <message>
        <source>Mozgatás gombokkal</source>
        <translation>Move with the keys</translation>
    </message>
    <message>
        <source>Nem meghatározható</source>
        <translation>Undeterminable</translation>
    </message>
    <message>
        <source>a(z) %1 fájl nem található</source>
        <translation>the file %1 cannot be found</translation>
    </message>
    <message>
        <source>a(z) %1 fájl már létezik</source>
        <translation>the file %1 already exists</translation>
    </message>
    <message>
        <source>a(z) %1 fájl nem nevezhető át %2 névre: %3</source>
        <translation>the file %1 cannot be renamed to %2: %3</translation>
    </message>
    <message>
        <source>A visszavonás nem sikerült, mert %1.</source>
        <translation>Undo failed, because %1.</translation>
    </message>
    <message>
        <source>Az újra végrehajtás nem sikerült, mert %1.</source>
        <translation>Redo failed, because %1.</translation>
    </message>
    <message>
        <source>UNDO PUFFER TÖRÖLVE!</source>
        <translation>UNDO BUFFER CLEARED!</translation>
    </message>
</context>
<context>
    <name>Windows1250</name>
    <message>
        <source>Windows-1250 kódolással nem menthető szöveg: %1</source>
        <translation>Text that cannot be saved in the Windows-1250 encoding: %1</translation>
    </message>
</context>
<context>
    <name>velkon</name>
    <message>
        <source>Használat:
  velkon pack PROJEKT.VKP CÉL.VKM
      Betölti a projektet, és a szerkesztő csomagolás gombjához hasonlóan elkészíti
      belőle a CÉL.VKM csomagot: az erőforrásfájlokat mellé másolja, és oda írja a
      CÉL.VKP-t is. A nevet úgy hagyja, ahogy megadták; a .VKM-et csak akkor teszi
      a végére, ha a névnek nincs kiterjesztése.
      Kilépési kód: 0, ha a csomag elkészült; 1, ha a csomag (vagy egy erőforrás)
      nem írható, vagy ha egy csak részben beolvasott projektet írna felül annak
      beolvasott részével; 2, ha a CÉL mappa, vagy nem használható fájlnév.
  velkon check PROJEKT.VKP
      Betölti a projektet, és lefuttatja a csomagolás ellenőrzéseit, de semmit nem ír
      (alfa- és érintési téglalapok, fájlnevek, számot nem adó paraméterek).
      Kilépési kód: 0, ha nem volt mit jelenteni, különben 1.
  velkon simulate PROJEKT.VKP --at T1,T2,... [--step MS] [--seed N] [--timescale N]
                  [--touch RÉTEG@MS]... [--preview RÉTEG[,RÉTEG...]] [--no-autostop] [--events]
      Kijelző nélkül, virtuális órával lejátssza a projektet, és kiírja minden réteg
      állapotát a megadott időpontokban (ms). Kilépési kód: 0, ha lefutott; 1, ha a
      projekt nem olvasható.
  velkon render PROJEKT.VKP MAPPA [--fps N] [--from MS] [--to MS] [--seed N]
                [--touch RÉTEG@MS]... [--size SZxM] [--format png|webp] [--quality Q]
      A simulate virtuális órájával játssza le a projektet (ugyanaz a mag, érintések
      és automatikus leállás), és azt írja ki, amit a vászon mutat, szerkesztési jelek
      nélkül: MAPPA/frame_00000.png, frame_00001.png ... képkockákba, vagy egyetlen
      animált MAPPA/&lt;projektnév&gt;.webp fájlba (veszteségmentesen, vagy --quality 0..100
      mellett veszteségesen). A k. képkocka ideje FROM + k*1000/N ms, a TO időpontot is
      beleértve. Alapértelmezés: 30 fps, 0-tól addig, amíg a jelenet magától leáll, de
      legfeljebb 10 s-ig, a projekt felbontásában (a --size átméretezi a képet).
      Nem kell hozzá kijelző. Kilépési kód: 0, ha minden képkocka elkészült; 1, ha a
      projekt nem olvasható, vagy egy képkocka nem írható (ekkor semmi sem marad meg
      a futásból).
  velkon --help
      Kiírja ezt a szöveget.

A hibanapló minden sorát és minden üzenetet, amelyet a szerkesztő megjelenített
volna, a szabványos hibakimenetre írja, a legrégebbivel kezdve, soronként egyet.
Hibás használatnál a kilépési kód 2.
</source>
        <translation>Usage:
  velkon pack PROJECT.VKP OUT.VKM
      Loads the project and packs it to OUT.VKM as the editor's pack button does:
      the resource files are copied beside it and OUT.VKP is written there.
      The name is kept as given; .VKM is added only when it has no extension.
      Exit 0 when the pack was written, 1 when it (or a resource) could not be or
      when it would replace a project that was read only in part with that part,
      2 when OUT is a folder or no usable file name.
  velkon check PROJECT.VKP
      Loads the project and runs the pack's checks without writing anything
      (alpha and touch rectangles, file names, parameters that give no number).
      Exit 0 when there was nothing to report, 1 otherwise.
  velkon simulate PROJECT.VKP --at T1,T2,... [--step MS] [--seed N] [--timescale N]
                  [--touch LAYER@MS]... [--preview LAYER[,LAYER...]] [--no-autostop] [--events]
      Plays the project headless on a virtual clock and prints every layer's state
      at the given times (ms). Exit 0 when it ran, 1 when the project could not be read.
  velkon render PROJECT.VKP OUTDIR [--fps N] [--from MS] [--to MS] [--seed N]
                [--touch LAYER@MS]... [--size WxH] [--format png|webp] [--quality Q]
      Plays the project on the virtual clock of simulate (same seed, touches and
      automatic stop) and writes what the canvas shows, without editing marks, as
      OUTDIR/frame_00000.png, frame_00001.png ... or as one animated
      OUTDIR/&lt;project name&gt;.webp (lossless, or lossy with --quality 0..100).
      Frame k is at FROM + k*1000/N ms, up to and including TO. Defaults: 30 fps,
      from 0 to the time the scene stops by itself or 10 s, whichever is first,
      at the project's resolution (--size scales the frame). Needs no display.
      Exit 0 when every frame was written, 1 when the project could not be read
      or a frame not written (nothing of the run is left then).
  velkon --help
      Shows this text.

Every error-log line and every message the editor would have shown is printed
to standard error, oldest first, one per line. Wrong usage exits with 2.
</translation>
    </message>
</context>
<context>
    <name>velkon::TAnimForm</name>
    <message>
        <source>Animációs parancsok</source>
        <translation>Animation commands</translation>
    </message>
    <message>
        <source>Add/insert new command</source>
        <translation>Add/insert new command</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favourites</translation>
    </message>
    <message>
        <source>Delete command</source>
        <translation>Delete command</translation>
    </message>
    <message>
        <source>Command order up</source>
        <translation>Command order up</translation>
    </message>
    <message>
        <source>Command order down</source>
        <translation>Command order down</translation>
    </message>
    <message>
        <source>Start animation preview</source>
        <translation>Start animation preview</translation>
    </message>
    <message>
        <source>Stop animation preview</source>
        <translation>Stop animation preview</translation>
    </message>
    <message>
        <source>Base animáció elinduljon-e [ALT+1]</source>
        <translation>Whether the Base animation starts [ALT+1]</translation>
    </message>
    <message>
        <source>Touch animáció elinduljon-e [ALT+2]</source>
        <translation>Whether the Touch animation starts [ALT+2]</translation>
    </message>
    <message>
        <source>Hibakereső</source>
        <translation>Debugger</translation>
    </message>
    <message>
        <source>Idő módosító</source>
        <translation>Ease</translation>
    </message>
    <message>
        <source>Select All (Ctrl+A)</source>
        <translation>Select All (Ctrl+A)</translation>
    </message>
    <message>
        <source>MoveTo, Keyframe átalakítása beillesztéskor</source>
        <translation>Convert MoveTo, KeyFrame when pasting</translation>
    </message>
    <message>
        <source>Copy (Ctrl+C)</source>
        <translation>Copy (Ctrl+C)</translation>
    </message>
    <message>
        <source>Paste (Ctrl+V)</source>
        <translation>Paste (Ctrl+V)</translation>
    </message>
    <message>
        <source>Insert (Ins)</source>
        <translation>Insert (Ins)</translation>
    </message>
    <message>
        <source>Delete (Del)</source>
        <translation>Delete (Del)</translation>
    </message>
    <message>
        <source>Copy and Delete (Ctrl+X)</source>
        <translation>Copy and Delete (Ctrl+X)</translation>
    </message>
    <message>
        <source>MoveTo konvert RelativeMoveTo</source>
        <translation>Convert MoveTo to RelativeMoveTo</translation>
    </message>
    <message>
        <source>Duration módosítás</source>
        <translation>Change duration</translation>
    </message>
    <message>
        <source>Duration sebességből</source>
        <translation>Duration from speed</translation>
    </message>
    <message>
        <source>Duration-ok összegzése</source>
        <translation>Sum of durations</translation>
    </message>
    <message>
        <source>Parancsok inverze</source>
        <translation>Invert commands</translation>
    </message>
</context>
<context>
    <name>velkon::TAnimationForm</name>
    <message>
        <source>Animation Editor</source>
        <translation>Animation Editor</translation>
    </message>
    <message>
        <source>Command:</source>
        <translation>Command:</translation>
    </message>
    <message>
        <source>Parameters:</source>
        <translation>Parameters:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Alpha</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
</context>
<context>
    <name>velkon::TCanvasView</name>
    <message>
        <source>Csomagol</source>
        <translation>Pack</translation>
    </message>
    <message>
        <source>Csomagolás</source>
        <translation>Pack the project</translation>
    </message>
    <message>
        <source>Fotó</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Képernyő lementése</source>
        <translation>Save a screenshot</translation>
    </message>
    <message>
        <source>Nagyítás</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Kicsinyítés</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Vízszintes segédvonal</source>
        <translation>Horizontal helper line</translation>
    </message>
    <message>
        <source>Függőleges segédvonal</source>
        <translation>Vertical helper line</translation>
    </message>
    <message>
        <source>Képernyő alapállapotba</source>
        <translation>Reset the view</translation>
    </message>
    <message>
        <source>Segédvonalak törlése</source>
        <translation>Clear the helper lines</translation>
    </message>
    <message>
        <source>Képernyő mentés</source>
        <translation>Save screenshot</translation>
    </message>
    <message>
        <source>Mi legyen a neve?</source>
        <translation>What should it be called?</translation>
    </message>
    <message>
        <source>A képet nem sikerült menteni: %1</source>
        <translation>The picture could not be saved: %1</translation>
    </message>
    <message>
        <source>Előnézet</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Képkockák vagy animált WebP készítése</source>
        <translation>Render frames or an animated WebP</translation>
    </message>
</context>
<context>
    <name>velkon::TCommandListModel</name>
    <message>
        <source>Command</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameters</translation>
    </message>
</context>
<context>
    <name>velkon::TDebugerForm</name>
    <message>
        <source>Hibakereső</source>
        <translation>Debugger</translation>
    </message>
</context>
<context>
    <name>velkon::TEaseForm</name>
    <message>
        <source>Idő módosító</source>
        <translation>Ease</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Duration:</translation>
    </message>
    <message>
        <source>Effekt</source>
        <translation>Effect</translation>
    </message>
    <message>
        <source>In</source>
        <translation>In</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Out</translation>
    </message>
    <message>
        <source>In/Out</source>
        <translation>In/Out</translation>
    </message>
    <message>
        <source>Mire hasson?</source>
        <translation>What should it affect?</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Aplha</source>
        <translation>Alpha</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>Teszt</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Tárol</source>
        <translation>Store</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>velkon::TEditorDocument</name>
    <message>
        <source>Új</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Új projekt</source>
        <translation>New project</translation>
    </message>
    <message>
        <source>Megnyit</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Projekt betöltése</source>
        <translation>Open a project</translation>
    </message>
    <message>
        <source>Mentés</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Projekt mentése</source>
        <translation>Save the project</translation>
    </message>
    <message>
        <source>Ment</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Projekt mentése másként</source>
        <translation>Save the project as</translation>
    </message>
    <message>
        <source>Visszavonás</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Újra</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Lejátszás</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Lejátszás és leállítás</source>
        <translation>Play and stop</translation>
    </message>
    <message>
        <source>Előnézet</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>A kiválasztott elemek lejátszása</source>
        <translation>Play the selected items</translation>
    </message>
    <message>
        <source>Lejátszás a kiválasztott kulcskockától</source>
        <translation>Play from the selected keyframe</translation>
    </message>
    <message>
        <source>Tár</source>
        <translation>Store</translation>
    </message>
    <message>
        <source>Tárolja a változást és átmásolja egy következő fázisba.</source>
        <translation>Stores the change and copies it into a next phase.</translation>
    </message>
    <message>
        <source>Csop.</source>
        <translation>Grp.</translation>
    </message>
    <message>
        <source>Csoportos szerkesztés</source>
        <translation>Group editing</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Összekapcsolt elemeket nem lehet elmozgatni</source>
        <translation>Linked items cannot be moved apart</translation>
    </message>
    <message>
        <source>Előző</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Az előző kulcskocka</source>
        <translation>The previous keyframe</translation>
    </message>
    <message>
        <source>Következő</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>A következő kulcskocka</source>
        <translation>The next keyframe</translation>
    </message>
    <message>
        <source>A jelenlegi projekt nincs mentve! Biztos új projektet kezd?</source>
        <translation>The current project is not saved! Start a new project anyway?</translation>
    </message>
    <message>
        <source>Kilépés</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>A jelenlegi projekt nincs mentve! Biztos kilép?</source>
        <translation>The current project is not saved! Quit anyway?</translation>
    </message>
</context>
<context>
    <name>velkon::TErrorForm</name>
    <message>
        <source>Hiba napló</source>
        <translation>Error log</translation>
    </message>
</context>
<context>
    <name>velkon::TFavouriteRowsModel</name>
    <message>
        <source>Command</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameters</translation>
    </message>
</context>
<context>
    <name>velkon::TFavouritesForm</name>
    <message>
        <source>Favourites Editor</source>
        <translation>Favourites Editor</translation>
    </message>
    <message>
        <source>Add to Favourites</source>
        <translation>Add to Favourites</translation>
    </message>
    <message>
        <source>Add selected commands to favourite commands</source>
        <translation>Add selected commands to favourite commands</translation>
    </message>
    <message>
        <source>Add to Commands</source>
        <translation>Add to Commands</translation>
    </message>
    <message>
        <source>Add favourite commands to commands</source>
        <translation>Add favourite commands to commands</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Save commands to favourites</source>
        <translation>Save commands to favourites</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Delete selected favourite</source>
        <translation>Delete selected favourite</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Insert commands to animation</source>
        <translation>Insert commands to animation</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Return to animation</source>
        <translation>Return to animation</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Commands:</translation>
    </message>
    <message>
        <source>Favourites:</source>
        <translation>Favourites:</translation>
    </message>
</context>
<context>
    <name>velkon::TFileListModel</name>
    <message>
        <source>Nincs a projekt mappájában: a következő mentés a projekt mellé másolja.</source>
        <translation>Not in the project's folder: the next save copies it beside the project.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Filename</translation>
    </message>
    <message>
        <source>Image's usage</source>
        <translation>Image's usage</translation>
    </message>
    <message>
        <source>Animation's usage</source>
        <translation>Animation's usage</translation>
    </message>
</context>
<context>
    <name>velkon::THelpForm</name>
    <message>
        <source>&lt;h2&gt;Velkon Editor – Súgó&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Velkon Editor – Help&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Billentyűk&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Keys&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>Lejátszás és leállítás: minden réteg a Base animációjától indul.</source>
        <translation>Play and stop: every layer starts from its Base animation.</translation>
    </message>
    <message>
        <source>Előnézet: csak a kijelölt rétegek játszanak, a saját animációjukkal.</source>
        <translation>Preview: only the selected layers play, each with its own animation.</translation>
    </message>
    <message>
        <source>A kulcskockás animáció lejátszása és leállítása.</source>
        <translation>Play and stop the keyframe animation.</translation>
    </message>
    <message>
        <source>A Base, Touch1, Touch2, Touch3 animáció kiválasztása (kulcskocka-szerkesztésen kívül).</source>
        <translation>Choose the Base, Touch1, Touch2 or Touch3 animation (outside keyframe editing).</translation>
    </message>
    <message>
        <source>Mentés oda, ahonnan a projekt jött (egy új projektnél megkérdezi, hová).</source>
        <translation>Save to where the project came from (for a new project it asks where).</translation>
    </message>
    <message>
        <source>Visszavonás.</source>
        <translation>Undo.</translation>
    </message>
    <message>
        <source>Újra (a visszavont lépés ismét).</source>
        <translation>Redo (the undone step again).</translation>
    </message>
    <message>
        <source>Új parancs a parancslistába; kulcskocka-szerkesztés közben a kulcskocka tárolása és másolása a következő fázisba.</source>
        <translation>A new command in the command list; while editing keyframes, store the keyframe and copy it into the next phase.</translation>
    </message>
    <message>
        <source>Az egy kijelölt réteg feljebb vagy lejjebb kerül a rajzolási sorrendben; kulcskocka-szerkesztés közben az előző vagy a következő kulcskocka.</source>
        <translation>Moves the one selected layer up or down in the drawing order; while editing keyframes, the previous or the next keyframe.</translation>
    </message>
    <message>
        <source>Öleléses kiválasztás: a rajzvásznon húzott keret jelöli ki a rétegeket.</source>
        <translation>Marquee selection: a frame dragged on the canvas selects the layers.</translation>
    </message>
    <message>
        <source>A kijelölés origójának beállítása (Tulajdonságok panel, „Origó beállítása”).</source>
        <translation>Set the origin of the selection (Properties panel, “Set origin”).</translation>
    </message>
    <message>
        <source>Nyilak</source>
        <translation>Arrows</translation>
    </message>
    <message>
        <source>A kijelölés mozgatása 1 ponttal, Shifttel 10-zel.</source>
        <translation>Move the selection by 1 point, by 10 with Shift.</translation>
    </message>
    <message>
        <source>Ctrl+Balra, Ctrl+Jobbra</source>
        <translation>Ctrl+Left, Ctrl+Right</translation>
    </message>
    <message>
        <source>A kijelölés kicsinyítése, nagyítása.</source>
        <translation>Shrink, enlarge the selection.</translation>
    </message>
    <message>
        <source>Ctrl+Fel, Ctrl+Le</source>
        <translation>Ctrl+Up, Ctrl+Down</translation>
    </message>
    <message>
        <source>A kijelölés forgatása.</source>
        <translation>Rotate the selection.</translation>
    </message>
    <message>
        <source>Csoportos szerkesztés be és ki (kulcskockák).</source>
        <translation>Group editing on and off (keyframes).</translation>
    </message>
    <message>
        <source>Összekapcsolt elemek be és ki: bekapcsolva a szülőhöz kötött réteg csak a legfelső ősével együtt mozdul.</source>
        <translation>Linked items on and off: when on, a layer bound to a parent moves only together with its topmost ancestor.</translation>
    </message>
    <message>
        <source>Csontvázas mozgatás (kulcskockák): a kijelölt lánc hajlítása a csontpontokkal.</source>
        <translation>Bone movement (keyframes): bend the selected chain with the bone points.</translation>
    </message>
    <message>
        <source>A „B” kapcsoló: elinduljon-e a réteg Base animációja.</source>
        <translation>The “B” switch: whether the layer’s Base animation starts.</translation>
    </message>
    <message>
        <source>A „T” kapcsoló: elinduljon-e a réteg Touch animációja.</source>
        <translation>The “T” switch: whether the layer’s Touch animation starts.</translation>
    </message>
    <message>
        <source>Vízszintes segédvonal az egérmutató magasságában (újra: törlés).</source>
        <translation>A horizontal helper line at the height of the mouse pointer (again: removes it).</translation>
    </message>
    <message>
        <source>Függőleges segédvonal az egérmutató helyén (újra: törlés).</source>
        <translation>A vertical helper line where the mouse pointer is (again: removes it).</translation>
    </message>
    <message>
        <source>Numerikus +, −</source>
        <translation>Numpad +, −</translation>
    </message>
    <message>
        <source>Nagyítás, kicsinyítés; a rajzvásznon Ctrl+görgő ugyanígy.</source>
        <translation>Zoom in, zoom out; Ctrl+wheel on the canvas does the same.</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Egér a rajzvásznon&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;The mouse on the canvas&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>Kattintás</source>
        <translation>Click</translation>
    </message>
    <message>
        <source>Egy réteg kijelölése; Shift+kattintás hozzáveszi vagy elveszi.</source>
        <translation>Selects a layer; Shift+click adds it or takes it away.</translation>
    </message>
    <message>
        <source>Ctrl+kattintás</source>
        <translation>Ctrl+click</translation>
    </message>
    <message>
        <source>Az egymás alatti rétegek közül a következő, mélyebb réteg.</source>
        <translation>Of the layers lying on top of each other, the next one below.</translation>
    </message>
    <message>
        <source>Húzás a kijelölésen</source>
        <translation>Dragging the selection</translation>
    </message>
    <message>
        <source>Mozgatás; Shifttel csak vízszintesen vagy csak függőlegesen.</source>
        <translation>Moves it; with Shift only horizontally or only vertically.</translation>
    </message>
    <message>
        <source>Húzás a sarkon, élen</source>
        <translation>Dragging a corner or an edge</translation>
    </message>
    <message>
        <source>Méretezés; a sarkon kívülről húzva forgatás a közös origó körül.</source>
        <translation>Resizes; dragged from just outside a corner, rotates about the common origin.</translation>
    </message>
    <message>
        <source>Dupla kattintás</source>
        <translation>Double click</translation>
    </message>
    <message>
        <source>A közös origó a réteg origójára kerül.</source>
        <translation>The common origin moves to the layer’s origin.</translation>
    </message>
    <message>
        <source>Középső gomb</source>
        <translation>Middle button</translation>
    </message>
    <message>
        <source>A nézet görgetése; Ctrl+középső gomb a keret eltolása.</source>
        <translation>Scrolls the view; Ctrl+middle button shifts the frame.</translation>
    </message>
    <message>
        <source>Lejátszás közben</source>
        <translation>While playing</translation>
    </message>
    <message>
        <source>A rétegre kattintás a Touch animációját indítja, ahogy a készüléken.</source>
        <translation>Clicking a layer starts its Touch animation, as on the device.</translation>
    </message>
    <message>
        <source>&lt;h3&gt;A „B” és „T” kapcsoló&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;The “B” and “T” switches&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Az Animációs parancsok panelen: a &lt;b&gt;B&lt;/b&gt; lenyomva azt jelenti, hogy a réteg Base animációja elindul a lejátszáskor (F1); a &lt;b&gt;T&lt;/b&gt; lenyomva azt, hogy a rétegre kattintva (érintésre) elindul a Touch animációja. A réteg mindkettőt a projektben tárolja (PlayAnim).&lt;/p&gt;</source>
        <translation>&lt;p&gt;On the Animation commands panel: &lt;b&gt;B&lt;/b&gt; pressed means that the layer’s Base animation starts when playing (F1); &lt;b&gt;T&lt;/b&gt; pressed means that clicking the layer (a touch) starts its Touch animation. The layer keeps both in the project (PlayAnim).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Képek neve: név(x,y).png&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Picture names: name(x,y).png&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Egy kép hozzáadásakor a zárójelben álló két szám a réteg helye: a &lt;b&gt;csillag(130,376).png&lt;/b&gt; egy &lt;b&gt;csillag&lt;/b&gt; nevű réteget ad a 130, 376 pontra (Left, Top). A fájl nevében ne legyen szóköz: a futtató nem találná meg (a hiba naplóba „Hibás fájl név” kerül).&lt;/p&gt;</source>
        <translation>&lt;p&gt;When a picture is added, the two numbers in brackets are the layer’s place: &lt;b&gt;star(130,376).png&lt;/b&gt; adds a layer named &lt;b&gt;star&lt;/b&gt; at the point 130, 376 (Left, Top). The file name must not contain a space: the runtime would not find it (the error log shows “Invalid file name”).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Hol legyenek a fájlok&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Where the files belong&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;A projekt a képeket, hangokat és particle fájlokat csak a nevükkel tárolja, és a projekt fájl (.VKP) mappájában keresi őket. Ha máshonnan ad hozzá egy fájlt, a mentés a projekt mellé másolja (a napló megmondja, hányat); ha ott már van egy másik, azonos nevű fájl, a mentés nem történik meg, amíg át nem nevezi. A Rétegek panel Files lapján színezve látszik, mi nincs még a projekt mellett. A csomagolás (Csomagol) a .VKM mellé másol minden fájlt, és a projektet is oda menti.&lt;/p&gt;</source>
        <translation>&lt;p&gt;The project keeps pictures, sounds and particle files by their names only, and looks for them in the folder of the project file (.VKP). If you add a file from elsewhere, saving copies it beside the project (the log says how many); if a different file of the same name is already there, the project is not saved until you rename one of them. The Files tab of the Layers panel shows in colour what is not beside the project yet. Packing (Pack) copies every file beside the .VKM and saves the project there too.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Üzenetek&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Messages&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;A hibák és a fontos hírek (mentés, csomagolás, hiányzó fájl) a Hiba napló panelre kerülnek; a legújabb néhány másodpercig az állapotsorban is látszik, és a Hiba napló fül címe zárójelben mutatja, hány újat nem látott még.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Errors and important news (saving, packing, a missing file) go to the Error log panel; the newest also shows in the status line for a few seconds, and the Error log tab shows in brackets how many new ones you have not seen yet.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Súgó</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>velkon::TImagesForm</name>
    <message>
        <source>Rétegek</source>
        <translation>Layers</translation>
    </message>
    <message>
        <source>Csop</source>
        <translation>Grp</translation>
    </message>
    <message>
        <source>Csoport létrehozás</source>
        <translation>Create a group</translation>
    </message>
    <message>
        <source>+Kép</source>
        <translation>+Pic</translation>
    </message>
    <message>
        <source>Képfájl hozzáadása</source>
        <translation>Add a picture file</translation>
    </message>
    <message>
        <source>+Hang</source>
        <translation>+Snd</translation>
    </message>
    <message>
        <source>Hangfájl hozzáadás</source>
        <translation>Add a sound file</translation>
    </message>
    <message>
        <source>+Par</source>
        <translation>+Par</translation>
    </message>
    <message>
        <source>Particle hozzáadás</source>
        <translation>Add a particle</translation>
    </message>
    <message>
        <source>Klón</source>
        <translation>Clone</translation>
    </message>
    <message>
        <source>Clone image</source>
        <translation>Clone image</translation>
    </message>
    <message>
        <source>Klón+</source>
        <translation>Clone+</translation>
    </message>
    <message>
        <source>Clone image with animations</source>
        <translation>Clone image with animations</translation>
    </message>
    <message>
        <source>Kijelölt elem törlése</source>
        <translation>Delete the selected item</translation>
    </message>
    <message>
        <source>Draw order up</source>
        <translation>Draw order up</translation>
    </message>
    <message>
        <source>Draw order down</source>
        <translation>Draw order down</translation>
    </message>
    <message>
        <source>Imp</source>
        <translation>Imp</translation>
    </message>
    <message>
        <source>Import VKP-ből</source>
        <translation>Import from a VKP</translation>
    </message>
    <message>
        <source>Elem szín</source>
        <translation>Item colour</translation>
    </message>
    <message>
        <source>Szín</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Kijelöltek megjelenítése</source>
        <translation>Show the selected</translation>
    </message>
    <message>
        <source>Kijelöltek elrejtése</source>
        <translation>Hide the selected</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>Összes csoport kinyitás</source>
        <translation>Expand all groups</translation>
    </message>
    <message>
        <source>Összes csoport bezárás</source>
        <translation>Collapse all groups</translation>
    </message>
    <message>
        <source>Kijelölt elemek átnevezése</source>
        <translation>Rename the selected items</translation>
    </message>
    <message>
        <source>Feljebb</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Lejjebb</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Tízzel feljebb</source>
        <translation>Ten up</translation>
    </message>
    <message>
        <source>Tízzel lejjebb</source>
        <translation>Ten down</translation>
    </message>
</context>
<context>
    <name>velkon::TImportForm</name>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Insert commands to animation</source>
        <translation>Insert commands to animation</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Return to animation</source>
        <translation>Return to animation</translation>
    </message>
</context>
<context>
    <name>velkon::TKeyFrameForm</name>
    <message>
        <source>Kulcskockás animáció</source>
        <translation>Keyframe animation</translation>
    </message>
    <message>
        <source>Szerk.</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Kulcskockás animáció szerkesztés</source>
        <translation>Keyframe animation editing</translation>
    </message>
    <message>
        <source>Tár</source>
        <translation>Store</translation>
    </message>
    <message>
        <source>Tárolja a változást és átmásolja egy következő fázisba.</source>
        <translation>Stores the change and copies it into a next phase.</translation>
    </message>
    <message>
        <source>Időzítési (duration) érték ezt használja az automatikus parancsgenerátor</source>
        <translation>Timing (duration) value the automatic command generator uses</translation>
    </message>
    <message>
        <source>Idő</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>A több kiválasztott kulcskokák idejét módosítja</source>
        <translation>Changes the time of the selected keyframes</translation>
    </message>
    <message>
        <source>Dupl.</source>
        <translation>Dupl.</translation>
    </message>
    <message>
        <source>Megduplázza akiválasztott fázist</source>
        <translation>Duplicates the selected phase</translation>
    </message>
    <message>
        <source>Töröl</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Törli a kiválasztott fázist</source>
        <translation>Deletes the selected phase</translation>
    </message>
    <message>
        <source>A fázist eggyel hátrébb mozgatja</source>
        <translation>Moves the phase one step back</translation>
    </message>
    <message>
        <source>A fázist eggyel előrébb mozgatja</source>
        <translation>Moves the phase one step forward</translation>
    </message>
    <message>
        <source>Csop.</source>
        <translation>Grp.</translation>
    </message>
    <message>
        <source>Csoportos szerkesztés [ALT+G]</source>
        <translation>Group editing [ALT+G]</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Összekapcsolt elemeket nem lehet elmozgatni [ALT+L]</source>
        <translation>Linked items cannot be moved apart [ALT+L]</translation>
    </message>
    <message>
        <source>Kijel.</source>
        <translation>Sel.</translation>
    </message>
    <message>
        <source>Kiválasztja az összes elemet ami részt vett az előző szerkesztésben</source>
        <translation>Selects every item that took part in the previous edit</translation>
    </message>
    <message>
        <source>A kiválasztott kulcskockától lejátsza az animációt.</source>
        <translation>Plays the animation from the selected keyframe.</translation>
    </message>
    <message>
        <source>Összes kiválasztása</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Kiválasztottak átmásolása</source>
        <translation>Copy the selected</translation>
    </message>
    <message>
        <source>Kiválasztottak átmásolása fordított sorrendben</source>
        <translation>Copy the selected in reverse order</translation>
    </message>
    <message>
        <source>Kiválasztottak törlése</source>
        <translation>Delete the selected</translation>
    </message>
    <message>
        <source>Duration módosítás</source>
        <translation>Change duration</translation>
    </message>
    <message>
        <source>Duration sebességből</source>
        <translation>Duration from speed</translation>
    </message>
</context>
<context>
    <name>velkon::TKeyFramePathTools</name>
    <message>
        <source>Globális origó körüli elforgatás szöge</source>
        <translation>Angle of rotation about the global origin</translation>
    </message>
    <message>
        <source>Görbe</source>
        <translation>Curve</translation>
    </message>
    <message>
        <source>Görbe vonal</source>
        <translation>Curved line</translation>
    </message>
    <message>
        <source>Ellipszis</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Ellipszis, kör</source>
        <translation>Ellipse, circle</translation>
    </message>
    <message>
        <source>Kulcskockák</source>
        <translation>Keyframes</translation>
    </message>
    <message>
        <source>Görbe, kör, ellipszis koordináta parancsok</source>
        <translation>Curve, circle, ellipse coordinate commands</translation>
    </message>
    <message>
        <source>Inverz</source>
        <translation>Inverse</translation>
    </message>
    <message>
        <source>Auto rotate</source>
        <translation>Auto rotate</translation>
    </message>
    <message>
        <source>Csont</source>
        <translation>Bone</translation>
    </message>
    <message>
        <source>Csontvázas mozgatás</source>
        <translation>Bone movement</translation>
    </message>
    <message>
        <source>Indítás</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Touch animoknál létrehozza az indító parancsot</source>
        <translation>Creates the starting command for touch animations</translation>
    </message>
    <message>
        <source>Transzponálási pont megadása</source>
        <translation>Set the transposition point</translation>
    </message>
    <message>
        <source>Kiválasztottak transzponálása</source>
        <translation>Transpose the selected</translation>
    </message>
</context>
<context>
    <name>velkon::TLayerListModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Image filename</source>
        <translation>Image filename</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Animation's usage</source>
        <translation>Animation's usage</translation>
    </message>
</context>
<context>
    <name>velkon::TLayerToolsPanel</name>
    <message>
        <source>Mind</source>
        <translation>All</translation>
    </message>
    <message>
        <source>1. fül</source>
        <translation>Tab 1</translation>
    </message>
    <message>
        <source>2. fül</source>
        <translation>Tab 2</translation>
    </message>
    <message>
        <source>3. fül</source>
        <translation>Tab 3</translation>
    </message>
    <message>
        <source>   Parancskészítő   </source>
        <translation>   Command maker   </translation>
    </message>
    <message>
        <source>Vágólapra készít</source>
        <translation>Make for clipboard</translation>
    </message>
    <message>
        <source>   Parancs másolás, mozgatás   </source>
        <translation>   Copy, move commands   </translation>
    </message>
    <message>
        <source>Mozgat</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Honnan:</source>
        <translation>From:</translation>
    </message>
    <message>
        <source>Hova:</source>
        <translation>To:</translation>
    </message>
    <message>
        <source>Indít</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>   Parancs törlés   </source>
        <translation>   Delete commands   </translation>
    </message>
    <message>
        <source>Minden animáció</source>
        <translation>All animations</translation>
    </message>
    <message>
        <source>Kiválasztott animáció</source>
        <translation>Selected animation</translation>
    </message>
    <message>
        <source>Törlés</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>   Transzponálás   </source>
        <translation>   Transposition   </translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Origót is</source>
        <translation>Origin too</translation>
    </message>
    <message>
        <source>Transzponálás</source>
        <translation>Transpose</translation>
    </message>
    <message>
        <source>Kijeölt elemekhez parancs beillesztés</source>
        <translation>Paste commands into the selected items</translation>
    </message>
    <message>
        <source>Transzponálási pont megadása</source>
        <translation>Set the transposition point</translation>
    </message>
    <message>
        <source>Kiválasztottak transzponálása</source>
        <translation>Transpose the selected</translation>
    </message>
    <message>
        <source>Az eltolás nem szám (X:, Y:)!</source>
        <translation>The offset is not a number (X:, Y:)!</translation>
    </message>
</context>
<context>
    <name>velkon::TLayoutPersistence</name>
    <message>
        <source>Elválasztók helyzetének mentése</source>
        <translation>Save the splitter positions</translation>
    </message>
    <message>
        <source>Lebegő panelek elmentése</source>
        <translation>Save the floating panels</translation>
    </message>
    <message>
        <source>Lebegő panelek betöltése</source>
        <translation>Load the floating panels</translation>
    </message>
    <message>
        <source>Lebegő panelek alaphelyzetbe</source>
        <translation>Reset the floating panels</translation>
    </message>
</context>
<context>
    <name>velkon::TMainForm</name>
    <message>
        <source> (hiányosan betöltve)</source>
        <translation> (loaded incompletely)</translation>
    </message>
</context>
<context>
    <name>velkon::TMainToolBar</name>
    <message>
        <source>Új</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Új projekt</source>
        <translation>New project</translation>
    </message>
    <message>
        <source>Megnyit</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Projekt betöltése</source>
        <translation>Open a project</translation>
    </message>
    <message>
        <source>Ment</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Projekt mentése [Ctrl+S]</source>
        <translation>Save the project [Ctrl+S]</translation>
    </message>
    <message>
        <source>Csomagol</source>
        <translation>Pack</translation>
    </message>
    <message>
        <source>Csomagolás</source>
        <translation>Pack the project</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Change log</source>
        <translation>Change log</translation>
    </message>
    <message>
        <source>Súgó</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Súgó: billentyűk, fájlok</source>
        <translation>Help: keys, files</translation>
    </message>
    <message>
        <source>Legutóbbi projektek</source>
        <translation>Recent projects</translation>
    </message>
    <message>
        <source>Lejátszás [F1]</source>
        <translation>Play [F1]</translation>
    </message>
    <message>
        <source>Leállítás [F1]</source>
        <translation>Stop [F1]</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Automatikus leállás</source>
        <translation>Stop automatically</translation>
    </message>
    <message>
        <source>Fázisok</source>
        <translation>Phases</translation>
    </message>
    <message>
        <source>Fázisok megjelenítése</source>
        <translation>Show the phases</translation>
    </message>
    <message>
        <source>Fázisok mennyire legyenek átlátszóak</source>
        <translation>How transparent the phases are</translation>
    </message>
    <message>
        <source>Vonalak</source>
        <translation>Paths</translation>
    </message>
    <message>
        <source>Törlés</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Rajzvászon törlése</source>
        <translation>Clear the canvas</translation>
    </message>
    <message>
        <source>Háttér</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Háttérszín</source>
        <translation>Background colour</translation>
    </message>
    <message>
        <source>Kijelölés</source>
        <translation>Selection</translation>
    </message>
    <message>
        <source>Kijelölés színe</source>
        <translation>Selection colour</translation>
    </message>
    <message>
        <source>Zár</source>
        <translation>Lock</translation>
    </message>
    <message>
        <source>A zárolt objektumokat ki lehet-e választani?</source>
        <translation>Can locked objects be selected?</translation>
    </message>
    <message>
        <source>Ölelés</source>
        <translation>Marquee</translation>
    </message>
    <message>
        <source>Öleléses kiválasztás [s]</source>
        <translation>Marquee selection [s]</translation>
    </message>
    <message>
        <source>Visszavonás [Ctrl+Z]</source>
        <translation>Undo [Ctrl+Z]</translation>
    </message>
    <message>
        <source>Újra [Ctrl+Y, Ctrl+Shift+Z]</source>
        <translation>Redo [Ctrl+Y, Ctrl+Shift+Z]</translation>
    </message>
    <message>
        <source>Fotó</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Képernyő lementése</source>
        <translation>Save a screenshot</translation>
    </message>
    <message>
        <source>Lassítás</source>
        <translation>Slow motion</translation>
    </message>
    <message>
        <source>Fejlesztési napló</source>
        <translation>Change log</translation>
    </message>
    <message>
        <source>(nincs még)</source>
        <translation>(none yet)</translation>
    </message>
</context>
<context>
    <name>velkon::TPreviewForm</name>
    <message>
        <source>Előnézet</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>leállásig (legfeljebb 10 s)</source>
        <translation>until it stops (at most 10 s)</translation>
    </message>
    <message>
        <source>PNG képkockák</source>
        <translation>PNG frames</translation>
    </message>
    <message>
        <source>Animált WebP</source>
        <translation>Animated WebP</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Mégse</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Kezdet:</source>
        <translation>From:</translation>
    </message>
    <message>
        <source>Vége:</source>
        <translation>To:</translation>
    </message>
    <message>
        <source>Képkocka/s:</source>
        <translation>Frames/s:</translation>
    </message>
    <message>
        <source>Formátum:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Mappa:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>Megszakítva: nem maradt fájl.</source>
        <translation>Cancelled: no file was left.</translation>
    </message>
    <message>
        <source>A vége a kezdet előtt van.</source>
        <translation>The end is before the start.</translation>
    </message>
    <message>
        <source>Adjon meg egy mappát.</source>
        <translation>Choose a folder.</translation>
    </message>
    <message>
        <source>Készül...</source>
        <translation>Rendering...</translation>
    </message>
    <message>
        <source>A képkocka nem olvasható vissza a vászonról.</source>
        <translation>The frame could not be read back from the canvas.</translation>
    </message>
    <message>
        <source>Hiba: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>Előnézet kész: %1 képkocka, %2</source>
        <translation>Preview done: %1 frames, %2</translation>
    </message>
</context>
<context>
    <name>velkon::TPropertyForm</name>
    <message>
        <source>Tulajdonságok</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>Origó</source>
        <translation>Origin</translation>
    </message>
    <message>
        <source>Nem szám! A réteg nem változik.</source>
        <translation>Not a number! The layer does not change.</translation>
    </message>
    <message>
        <source>   Rotate   </source>
        <translation>   Rotate   </translation>
    </message>
    <message>
        <source>Deg:</source>
        <translation>Deg:</translation>
    </message>
    <message>
        <source>   Drawing   </source>
        <translation>   Drawing   </translation>
    </message>
    <message>
        <source>Visible:</source>
        <translation>Visible:</translation>
    </message>
    <message>
        <source>Alpha:</source>
        <translation>Alpha:</translation>
    </message>
    <message>
        <source>   Touch rect   </source>
        <translation>   Touch rect   </translation>
    </message>
    <message>
        <source>L:</source>
        <translation>L:</translation>
    </message>
    <message>
        <source>T:</source>
        <translation>T:</translation>
    </message>
    <message>
        <source>R:</source>
        <translation>R:</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>B:</translation>
    </message>
    <message>
        <source>   Szülő objektum   </source>
        <translation>   Parent object   </translation>
    </message>
    <message>
        <source>Név megváltoztatása</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Fájlnév megváltoztatása</source>
        <translation>Change file name</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>FileName:</source>
        <translation>FileName:</translation>
    </message>
    <message>
        <source>   Position   </source>
        <translation>   Position   </translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>W:</source>
        <translation>W:</translation>
    </message>
    <message>
        <source>H:</source>
        <translation>H:</translation>
    </message>
    <message>
        <source>Arány</source>
        <translation>Ratio</translation>
    </message>
    <message>
        <source>Inverz</source>
        <translation>Inverse</translation>
    </message>
    <message>
        <source>Normál</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Beállítja a méretarányt</source>
        <translation>Set the aspect ratio</translation>
    </message>
    <message>
        <source>Felveszi a méretarányt</source>
        <translation>Take the aspect ratio</translation>
    </message>
    <message>
        <source>   Origo   </source>
        <translation>   Origin   </translation>
    </message>
    <message>
        <source>Origó beállítása</source>
        <translation>Set origin</translation>
    </message>
</context>
<context>
    <name>velkon::TRecoveryDriver</name>
    <message>
        <source>A(z) %1 projekt nem mentett változásai megmaradtak (%2). Visszaállítja őket?</source>
        <translation>The unsaved changes of the project %1 were kept (%2). Restore them?</translation>
    </message>
    <message>
        <source>yyyy.MM.dd. HH:mm:ss</source>
        <translation>yyyy-MM-dd HH:mm:ss</translation>
    </message>
    <message>
        <source>Helyreállítás</source>
        <translation>Recovery</translation>
    </message>
</context>
<context>
    <name>velkon::TStatusLine</name>
    <message>
        <source>A projekt helye (ide ment a Ctrl+S)</source>
        <translation>Where the project is (Ctrl+S saves here)</translation>
    </message>
</context>
<context>
    <name>velkon::TStatusNotice</name>
    <message>
        <source>Hiba napló</source>
        <translation>Error log</translation>
    </message>
</context>
<context>
    <name>velkon::TTimeScrubber</name>
    <message>
        <source>A lejátszás pillanata (ms)</source>
        <translation>Moment of the playback (ms)</translation>
    </message>
    <message>
        <source>Vissza a szerkesztett állapothoz [Esc]</source>
        <translation>Back to the edited state [Esc]</translation>
    </message>
    <message>
        <source>Előnézet</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Képkockák vagy animált WebP készítése</source>
        <translation>Render frames or an animated WebP</translation>
    </message>
    <message>
        <source>Idő (ms); a lejátszás %1 ms-nál áll le</source>
        <translation>Time (ms); playback stops at %1 ms</translation>
    </message>
    <message>
        <source>Idő (ms): a jelenet a lejátszás ezen pillanatában</source>
        <translation>Time (ms): the scene at this moment of the playback</translation>
    </message>
</context>
<context>
    <name>velkon::TUjdonsagForm</name>
    <message>
        <source>Fejlesztési napló</source>
        <translation>Change log</translation>
    </message>
</context>
<context>
    <name>velkon::TVelkonApplication</name>
    <message>
        <source>Ismeretlen hiba</source>
        <translation>Unknown error</translation>
    </message>
</context>
</TS>
