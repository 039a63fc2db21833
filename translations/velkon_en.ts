<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="hu_HU">
<context>
    <name>ProjectFile</name>
    <message>
        <source>Nincs meg a fájl: %1</source>
        <translation>File not found: %1</translation>
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
