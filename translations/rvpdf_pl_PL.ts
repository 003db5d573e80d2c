<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AssocGuidBox</name>
    <message>
        <source>Two Steps to Set %1 as the Default PDF Viewer</source>
        <translation>Dwa kroki, aby ustawić %1 jako domyślną przeglądarkę PDF</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Krok 1</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Krok 2</translation>
    </message>
    <message>
        <source>Click %1 below, then click %2 in the pop-up.</source>
        <translation>Kliknij %1 poniżej, a następnie kliknij %2 w wyskakującym oknie.</translation>
    </message>
    <message>
        <source>Set as Default</source>
        <translation>Ustaw jako domyślny</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Zmień</translation>
    </message>
    <message>
        <source>Select %1 from the list, then click %2 to apply changes.</source>
        <translation>Wybierz %1 z listy, a następnie kliknij %2, aby zastosować zmiany.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>BlankOption</name>
    <message>
        <source>Blank PDF</source>
        <translation>Pusty PDF</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Strony</translation>
    </message>
    <message>
        <source>Page Size</source>
        <translation>Rozmiar strony</translation>
    </message>
    <message>
        <source>Fixed Size</source>
        <translation>Stały rozmiar</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Niestandardowy</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientacja</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Pionowa</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Pozioma</translation>
    </message>
    <message>
        <source>Lock aspect ratio</source>
        <translation>Zablokuj proporcje</translation>
    </message>
    <message>
        <source>Unlock aspect ration</source>
        <translation>Odblokuj proporcje</translation>
    </message>
    <message>
        <source>Keep Aspect Ratio</source>
        <translation>Zachowaj proporcje</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Szerokość</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Wysokość</translation>
    </message>
</context>
<context>
    <name>CAboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>%1 is a tabbed PDF reader for the desktop.</source>
        <translation>%1 to czytnik plików PDF z kartami na komputery stacjonarne.</translation>
    </message>
    <message>
        <source>This application uses open-source libraries, each under its own license.</source>
        <translation>Ta aplikacja korzysta z bibliotek open source, z których każda ma własną licencję.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CAnnotationLayer</name>
    <message>
        <source>Add %1</source>
        <translation>Dodaj: %1</translation>
    </message>
    <message>
        <source>Delete Comment</source>
        <translation>Usuń komentarz</translation>
    </message>
    <message>
        <source>Edit Comment Text</source>
        <translation>Edytuj tekst komentarza</translation>
    </message>
    <message>
        <source>Erase Comments</source>
        <translation>Wymaż komentarze</translation>
    </message>
    <message>
        <source>Move Comment</source>
        <translation>Przenieś komentarz</translation>
    </message>
    <message>
        <source>Resize Comment</source>
        <translation>Zmień rozmiar komentarza</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Edytuj tekst</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Change Comment Color</source>
        <translation>Zmień kolor komentarza</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
</context>
<context>
    <name>CAnnotationPanel</name>
    <message>
        <source>Page %1 (%2)</source>
        <translation>Strona %1 (%2)</translation>
    </message>
    <message>
        <source>This document has no annotations.</source>
        <translation>Ten dokument nie zawiera adnotacji.</translation>
    </message>
</context>
<context>
    <name>CChangeWatcher</name>
    <message>
        <source>Document Changed</source>
        <translation>Dokument zmieniony</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>„%1” został zmieniony przez inny program. Wczytać go ponownie i utracić niezapisane zmiany?</translation>
    </message>
    <message>
        <source>Keep My Version</source>
        <translation>Zachowaj moją wersję</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Wczytaj ponownie</translation>
    </message>
</context>
<context>
    <name>CClearEdit</name>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
</context>
<context>
    <name>CCommentController</name>
    <message>
        <source>Change Comment Color</source>
        <translation>Zmień kolor komentarza</translation>
    </message>
    <message>
        <source>Change Comment Opacity</source>
        <translation>Zmień krycie komentarza</translation>
    </message>
    <message>
        <source>Change Line Width</source>
        <translation>Zmień grubość linii</translation>
    </message>
    <message>
        <source>Change Font Size</source>
        <translation>Zmień rozmiar czcionki</translation>
    </message>
    <message>
        <source>Cannot Add Comments</source>
        <translation>Nie można dodać komentarzy</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow adding comments.</source>
        <translation>Uprawnienia dokumentu nie pozwalają na dodawanie komentarzy.</translation>
    </message>
</context>
<context>
    <name>CCommentOptions</name>
    <message>
        <source>Highlight</source>
        <translation>Wyróżnij</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Podkreśl</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Przekreśl</translation>
    </message>
    <message>
        <source>Squiggly</source>
        <translation>Falista linia</translation>
    </message>
    <message>
        <source>Sticky Note</source>
        <translation>Notatka</translation>
    </message>
    <message>
        <source>Text Box</source>
        <translation>Pole tekstowe</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Pióro</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Prostokąt</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Elipsa</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linia</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Strzałka</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Gumka</translation>
    </message>
</context>
<context>
    <name>CCommentToolBar</name>
    <message>
        <source>Select Comments</source>
        <translation>Zaznacz komentarze</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>Więcej kolorów...</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Krycie</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Grubość</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>Grubość linii</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Rozmiar czcionki</translation>
    </message>
    <message>
        <source>Close Comment Tools</source>
        <translation>Zamknij narzędzia komentarzy</translation>
    </message>
</context>
<context>
    <name>CDocumentSaver</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Pliki PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Failed to Save</source>
        <translation>Nie udało się zapisać</translation>
    </message>
    <message>
        <source>Cannot Change Protection</source>
        <translation>Nie można zmienić ochrony</translation>
    </message>
    <message>
        <source>Replace &quot;%1&quot; with the protected version?</source>
        <translation>Zastąpić „%1” wersją chronioną?</translation>
    </message>
    <message>
        <source>The file will need the password to open from now on.</source>
        <translation>Od teraz otwarcie pliku będzie wymagało hasła.</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Zastąp</translation>
    </message>
    <message>
        <source>Save as New File</source>
        <translation>Zapisz jako nowy plik</translation>
    </message>
    <message>
        <source>Remove the password from &quot;%1&quot;?</source>
        <translation>Usunąć hasło z „%1”?</translation>
    </message>
    <message>
        <source>Anyone will be able to open the file.</source>
        <translation>Każdy będzie mógł otworzyć plik.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Saving will break the signatures of &quot;%1&quot;.</source>
        <translation>Zapisanie unieważni podpisy w pliku „%1”.</translation>
    </message>
    <message>
        <source>Changed pages or protection rewrite the whole file, and the signatures in it will no longer be valid. Save as a new file to keep the signed original.</source>
        <translation>Zmienione strony lub zabezpieczenia powodują zapisanie całego pliku od nowa, a jego podpisy przestaną być ważne. Zapisz jako nowy plik, aby zachować podpisany oryginał.</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>Zapisz mimo to</translation>
    </message>
</context>
<context>
    <name>CDocumentToolBar</name>
    <message>
        <source>Thumbnails</source>
        <translation>Miniatury</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Znajdź (Ctrl+F)</translation>
    </message>
    <message>
        <source>Organize Pages</source>
        <translation>Uporządkuj strony</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Poprzednia strona</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Następna strona</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Rzeczywisty rozmiar</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Dopasuj do strony</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Dopasuj do szerokości</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>Dopasuj do wysokości</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Enter Read Mode</source>
        <translation>Włącz tryb czytania</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Komentarz</translation>
    </message>
    <message>
        <source>This document does not allow comments</source>
        <translation>Ten dokument nie pozwala na komentarze</translation>
    </message>
    <message>
        <source>Page Number</source>
        <translation>Numer strony</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Powiększenie</translation>
    </message>
</context>
<context>
    <name>CEditRecovery</name>
    <message>
        <source>Recover Changes</source>
        <translation>Odzyskaj zmiany</translation>
    </message>
</context>
<context>
    <name>CEditSession</name>
    <message>
        <source>Restore Page Changes</source>
        <translation>Przywróć zmiany stron</translation>
    </message>
    <message>
        <source>Restore Recognized Text</source>
        <translation>Przywróć rozpoznany tekst</translation>
    </message>
    <message>
        <source>Restore Page Edits</source>
        <translation>Przywróć edycje stron</translation>
    </message>
</context>
<context>
    <name>CEncryptBox</name>
    <message>
        <source>Encrypt PDF</source>
        <translation>Zaszyfruj PDF</translation>
    </message>
    <message>
        <source>Set a password that is needed to open &quot;%1&quot;.</source>
        <translation>Ustaw hasło potrzebne do otwarcia „%1”.</translation>
    </message>
    <message>
        <source>Open password:</source>
        <translation>Hasło otwierania:</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>Potwierdź hasło:</translation>
    </message>
    <message>
        <source>Restrict printing and editing with a permissions password</source>
        <translation>Ogranicz drukowanie i edycję hasłem uprawnień</translation>
    </message>
    <message>
        <source>Permissions password:</source>
        <translation>Hasło uprawnień:</translation>
    </message>
    <message>
        <source>Allow printing</source>
        <translation>Zezwalaj na drukowanie</translation>
    </message>
    <message>
        <source>Allow copying text and images</source>
        <translation>Zezwalaj na kopiowanie tekstu i obrazów</translation>
    </message>
    <message>
        <source>Allow editing</source>
        <translation>Zezwalaj na edycję</translation>
    </message>
    <message>
        <source>Allow commenting</source>
        <translation>Zezwalaj na komentowanie</translation>
    </message>
    <message>
        <source>Allow filling in forms</source>
        <translation>Zezwalaj na wypełnianie formularzy</translation>
    </message>
    <message>
        <source>Allow inserting, deleting and rotating pages</source>
        <translation>Zezwalaj na wstawianie, usuwanie i obracanie stron</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Szyfrowanie:</translation>
    </message>
    <message>
        <source>AES-256 (recommended)</source>
        <translation>AES-256 (zalecane)</translation>
    </message>
    <message>
        <source>AES-128 (for older readers)</source>
        <translation>AES-128 (dla starszych czytników)</translation>
    </message>
    <message>
        <source>Remove Protection</source>
        <translation>Usuń ochronę</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Save as New File...</source>
        <translation>Zapisz jako nowy plik...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>Słabe</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Średnie</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Silne</translation>
    </message>
    <message>
        <source>Strength: %1</source>
        <translation>Siła: %1</translation>
    </message>
    <message>
        <source>Enter a password to open the document.</source>
        <translation>Wpisz hasło do otwierania dokumentu.</translation>
    </message>
    <message>
        <source>The passwords do not match. Type the open password again in both fields.</source>
        <translation>Hasła nie są zgodne. Wpisz ponownie hasło otwierania w obu polach.</translation>
    </message>
    <message>
        <source>Enter a permissions password, or turn the restrictions off.</source>
        <translation>Wpisz hasło uprawnień albo wyłącz ograniczenia.</translation>
    </message>
    <message>
        <source>The permissions passwords do not match. Type it again in both fields.</source>
        <translation>Hasła uprawnień nie są zgodne. Wpisz je ponownie w obu polach.</translation>
    </message>
    <message>
        <source>The permissions password must differ from the open password.</source>
        <translation>Hasło uprawnień musi się różnić od hasła otwierania.</translation>
    </message>
</context>
<context>
    <name>CFileListView</name>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Przypnij</translation>
    </message>
    <message>
        <source>Unpin</source>
        <translation>Odepnij</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>Open File Location</source>
        <translation>Otwórz lokalizację pliku</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Usuń z listy</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>Nie udało się otworzyć</translation>
    </message>
    <message>
        <source>The file might have been moved, damaged, or deleted.</source>
        <translation>Plik mógł zostać przeniesiony, uszkodzony lub usunięty.</translation>
    </message>
    <message>
        <source>Failed to Rename</source>
        <translation>Nie udało się zmienić nazwy</translation>
    </message>
    <message>
        <source>The file could not be renamed. It may be in use, or the folder may not allow changes.</source>
        <translation>Nie można zmienić nazwy pliku. Plik może być w użyciu lub folder może nie zezwalać na zmiany.</translation>
    </message>
</context>
<context>
    <name>CFindBar</name>
    <message>
        <source>Find in document</source>
        <translation>Znajdź w dokumencie</translation>
    </message>
    <message>
        <source>Previous Match (Shift+F3)</source>
        <translation>Poprzednie wystąpienie (Shift+F3)</translation>
    </message>
    <message>
        <source>Next Match (F3)</source>
        <translation>Następne wystąpienie (F3)</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Uwzględnij wielkość liter</translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation>Całe wyrazy</translation>
    </message>
    <message>
        <source>Show All Results</source>
        <translation>Pokaż wszystkie wyniki</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Zamknij (Esc)</translation>
    </message>
    <message>
        <source>No text in this document</source>
        <translation>Ten dokument nie zawiera tekstu</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>No results</source>
        <translation>Brak wyników</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Stop Searching</source>
        <translation>Zatrzymaj wyszukiwanie</translation>
    </message>
    <message>
        <source>%1 of %2, %3 of %4 pages searched</source>
        <translation>%1 z %2, przeszukano %3 z %4 stron</translation>
    </message>
    <message>
        <source>%1 found, %2 of %3 pages searched</source>
        <translation>Znaleziono %1, przeszukano %2 z %3 stron</translation>
    </message>
    <message>
        <source>%1 of %2, stopped after %3 of %4 pages</source>
        <translation>%1 z %2, zatrzymano po %3 z %4 stron</translation>
    </message>
    <message>
        <source>%1 found, stopped after %2 of %3 pages</source>
        <translation>Znaleziono %1, zatrzymano po %2 z %3 stron</translation>
    </message>
</context>
<context>
    <name>CFormBar</name>
    <message>
        <source>Highlight Fields</source>
        <translation>Wyróżnij pola</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>This document contains form fields you can fill in.</source>
        <translation>Ten dokument zawiera pola formularza, które można wypełnić.</translation>
    </message>
    <message>
        <source>This document contains form fields, but its permissions do not allow filling them in.</source>
        <translation>Ten dokument zawiera pola formularza, ale jego uprawnienia nie pozwalają ich wypełniać.</translation>
    </message>
    <message>
        <source>This form uses XFA, which is not supported. Its fields cannot be shown or filled in here.</source>
        <translation>Ten formularz używa formatu XFA, który nie jest obsługiwany. Jego pól nie można tu wyświetlić ani wypełnić.</translation>
    </message>
</context>
<context>
    <name>CFormLayer</name>
    <message>
        <source>Reset Form</source>
        <translation>Resetuj formularz</translation>
    </message>
    <message>
        <source>Fill In Form</source>
        <translation>Wypełnij formularz</translation>
    </message>
</context>
<context>
    <name>CGotoPageBox</name>
    <message>
        <source>Go to Page</source>
        <translation>Przejdź do strony</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Strona</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>z %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Przejdź</translation>
    </message>
    <message>
        <source>Page Number</source>
        <translation>Numer strony</translation>
    </message>
</context>
<context>
    <name>CLinkActions</name>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Open this link?</source>
        <translation>Otworzyć ten odnośnik?</translation>
    </message>
    <message>
        <source>The document links to &quot;%1&quot;, which another program will open.</source>
        <translation>Dokument odsyła do „%1”, który otworzy inny program.</translation>
    </message>
    <message>
        <source>Cannot Open the Linked File</source>
        <translation>Nie można otworzyć połączonego pliku</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>Nie znaleziono „%1”.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open this file?</source>
        <translation>Otworzyć ten plik?</translation>
    </message>
    <message>
        <source>The document links to &quot;%1&quot; (%2), which another program will open.</source>
        <translation>Dokument odsyła do „%1” (%2), który otworzy inny program.</translation>
    </message>
</context>
<context>
    <name>CLinkLayer</name>
    <message>
        <source>Go to page %1</source>
        <translation>Przejdź do strony %1</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <translation>Napisz do %1</translation>
    </message>
    <message>
        <source>Open %1 at page %2</source>
        <translation>Otwórz %1 na stronie %2</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Otwórz %1</translation>
    </message>
    <message>
        <source>Viewer command: %1</source>
        <translation>Polecenie przeglądarki: %1</translation>
    </message>
    <message>
        <source>Runs the program %1; links that run programs are not followed</source>
        <translation>Uruchamia program %1; odnośniki uruchamiające programy nie są otwierane</translation>
    </message>
    <message>
        <source>Runs a script; links that run scripts are not followed</source>
        <translation>Uruchamia skrypt; odnośniki uruchamiające skrypty nie są otwierane</translation>
    </message>
</context>
<context>
    <name>CLinkTargetBox</name>
    <message>
        <source>Link Target</source>
        <translation>Cel łącza</translation>
    </message>
    <message>
        <source>Page of this document</source>
        <translation>Strona tego dokumentu</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Numer strony</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Adres internetowy</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>CLoadingPage</name>
    <message>
        <source>Opening &quot;%1&quot;...</source>
        <translation>Otwieranie „%1”...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>CMemberManager</name>
    <message>
        <source>Could not reach the account service. Please check your connection and try again.</source>
        <translation>Nie można połączyć się z usługą konta. Sprawdź połączenie i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Signing in is already in progress.</source>
        <translation>Logowanie jest już w toku.</translation>
    </message>
    <message>
        <source>Please enter a valid e-mail address.</source>
        <translation>Wprowadź prawidłowy adres e-mail.</translation>
    </message>
    <message>
        <source>Please enter your password.</source>
        <translation>Wprowadź hasło.</translation>
    </message>
    <message>
        <source>The e-mail address or password is incorrect.</source>
        <translation>Adres e-mail lub hasło jest nieprawidłowe.</translation>
    </message>
    <message>
        <source>The account service sent an answer that could not be read. Please try again later.</source>
        <translation>Usługa konta wysłała odpowiedź, której nie można odczytać. Spróbuj ponownie później.</translation>
    </message>
</context>
<context>
    <name>CNssStore</name>
    <message>
        <source>The certificate store in %1 could not be opened.</source>
        <translation>Nie można otworzyć magazynu certyfikatów w %1.</translation>
    </message>
    <message>
        <source>The certificate store is locked. Give its password first.</source>
        <translation>Magazyn certyfikatów jest zablokowany. Najpierw podaj jego hasło.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Nie można odczytać pliku.</translation>
    </message>
    <message>
        <source>The file is not a certificate file (PKCS#12).</source>
        <translation>Plik nie jest plikiem certyfikatu (PKCS#12).</translation>
    </message>
    <message>
        <source>The password does not open this certificate file.</source>
        <translation>To hasło nie otwiera tego pliku certyfikatu.</translation>
    </message>
    <message>
        <source>The certificate could not be added to the store in %1.</source>
        <translation>Nie można dodać certyfikatu do magazynu w %1.</translation>
    </message>
    <message>
        <source>The file holds no certificate with its private key, so it cannot sign.</source>
        <translation>Plik nie zawiera certyfikatu z kluczem prywatnym, więc nie może podpisywać.</translation>
    </message>
    <message>
        <source>Digital signature</source>
        <translation>Podpis cyfrowy</translation>
    </message>
    <message>
        <source>Non-repudiation</source>
        <translation>Niezaprzeczalność</translation>
    </message>
    <message>
        <source>Key encipherment</source>
        <translation>Szyfrowanie klucza</translation>
    </message>
    <message>
        <source>Data encipherment</source>
        <translation>Szyfrowanie danych</translation>
    </message>
    <message>
        <source>Key agreement</source>
        <translation>Uzgadnianie klucza</translation>
    </message>
    <message>
        <source>Certificate signing</source>
        <translation>Podpisywanie certyfikatów</translation>
    </message>
    <message>
        <source>CRL signing</source>
        <translation>Podpisywanie list CRL</translation>
    </message>
    <message>
        <source>Encipher only</source>
        <translation>Tylko szyfrowanie</translation>
    </message>
</context>
<context>
    <name>COpenController</name>
    <message>
        <source>Failed to Open</source>
        <translation>Nie udało się otworzyć</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found. It may have been moved, renamed or deleted.</source>
        <translation>Nie znaleziono „%1”. Plik mógł zostać przeniesiony, przemianowany lub usunięty.</translation>
    </message>
    <message>
        <source>You do not have permission to read &quot;%1&quot;.</source>
        <translation>Nie masz uprawnień do odczytu „%1”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and cannot be read.</source>
        <translation>„%1” jest uszkodzony i nie można go odczytać.</translation>
    </message>
</context>
<context>
    <name>COrganizerBox</name>
    <message>
        <source>Rotate Left</source>
        <translation>Obróć w lewo</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Obróć w prawo</translation>
    </message>
    <message>
        <source>Delete Pages</source>
        <translation>Usuń strony</translation>
    </message>
    <message>
        <source>Duplicate Pages</source>
        <translation>Powiel strony</translation>
    </message>
    <message>
        <source>Insert Blank Page</source>
        <translation>Wstaw pustą stronę</translation>
    </message>
    <message>
        <source>Insert Pages from File</source>
        <translation>Wstaw strony z pliku</translation>
    </message>
    <message>
        <source>Extract Pages</source>
        <translation>Wyodrębnij strony</translation>
    </message>
    <message>
        <source>Split Document</source>
        <translation>Podziel dokument</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Cofnij (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Shift+Z)</source>
        <translation>Ponów (Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Move Pages</source>
        <translation>Przenieś strony</translation>
    </message>
    <message>
        <source>Pages: %1  Selected: %2</source>
        <translation>Strony: %1  Zaznaczone: %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cannot Delete Pages</source>
        <translation>Nie można usunąć stron</translation>
    </message>
    <message>
        <source>A document needs at least one page. Keep one page or more.</source>
        <translation>Dokument musi mieć co najmniej jedną stronę. Zachowaj jedną stronę lub więcej.</translation>
    </message>
    <message>
        <source>Cannot Insert Pages</source>
        <translation>Nie można wstawić stron</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read. It may be damaged or not a PDF file.</source>
        <translation>Nie można odczytać „%1”. Plik może być uszkodzony lub nie jest plikiem PDF.</translation>
    </message>
    <message>
        <source>Insert Pages</source>
        <translation>Wstaw strony</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Pliki PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Failed to Extract Pages</source>
        <translation>Nie udało się wyodrębnić stron</translation>
    </message>
    <message>
        <source>Failed to Split Document</source>
        <translation>Nie udało się podzielić dokumentu</translation>
    </message>
</context>
<context>
    <name>COrganizerView</name>
    <message>
        <source>Pages</source>
        <translation>Strony</translation>
    </message>
</context>
<context>
    <name>CPageEditBar</name>
    <message>
        <source>Page Editing</source>
        <translation>Edycja stron</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Zaznaczanie</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Dodaj tekst</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Dodaj obraz</translation>
    </message>
    <message>
        <source>Add Link</source>
        <translation>Dodaj łącze</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Czcionka</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Rozmiar czcionki</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Kolor tekstu</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>Więcej kolorów...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Link Target...</source>
        <translation>Cel łącza...</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Leave page editing</source>
        <translation>Zakończ edycję stron</translation>
    </message>
    <message>
        <source>Click where the text should start; Ctrl+Enter keeps it.</source>
        <translation>Kliknij tam, gdzie ma się zaczynać tekst; Ctrl+Enter go zatwierdza.</translation>
    </message>
    <message>
        <source>Click where the picture should go.</source>
        <translation>Kliknij tam, gdzie ma się znaleźć obraz.</translation>
    </message>
    <message>
        <source>Drag over the area that should become a link.</source>
        <translation>Przeciągnij po obszarze, który ma stać się łączem.</translation>
    </message>
    <message>
        <source>Drag pictures to move them, their corners to resize them.</source>
        <translation>Przeciągnij obrazy, aby je przesunąć, a ich rogi, aby zmienić rozmiar.</translation>
    </message>
</context>
<context>
    <name>CPageEditController</name>
    <message>
        <source>Cannot Edit Pages</source>
        <translation>Nie można edytować stron</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow changing its pages. Open it with its permissions password to edit them.</source>
        <translation>Uprawnienia dokumentu nie pozwalają na zmianę jego stron. Aby je edytować, otwórz go hasłem uprawnień.</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; first?</source>
        <translation>Najpierw zapisać zmiany w „%1”?</translation>
    </message>
    <message>
        <source>Page editing starts from the saved document.</source>
        <translation>Edycja stron zaczyna się od zapisanego dokumentu.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Save the page edits to &quot;%1&quot;?</source>
        <translation>Zapisać edycje stron w „%1”?</translation>
    </message>
    <message>
        <source>Pages show their edits until you leave page editing.</source>
        <translation>Strony pokazują edycje, dopóki nie zakończysz edycji stron.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Odrzuć</translation>
    </message>
    <message>
        <source>Cannot Edit the Page</source>
        <translation>Nie można edytować strony</translation>
    </message>
    <message>
        <source>The document has no page %1.</source>
        <translation>Dokument nie ma strony %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address a link can lead to.</source>
        <translation>„%1” nie jest adresem internetowym, do którego może prowadzić łącze.</translation>
    </message>
    <message>
        <source>The change does not fit the page.</source>
        <translation>Zmiana nie pasuje do strony.</translation>
    </message>
    <message>
        <source>The text could not be added here.</source>
        <translation>Nie można tu dodać tekstu.</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Dodaj tekst</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be read.</source>
        <translation>Nie można odczytać obrazu „%1”.</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Dodaj obraz</translation>
    </message>
    <message>
        <source>Resize Picture</source>
        <translation>Zmień rozmiar obrazu</translation>
    </message>
    <message>
        <source>Move Picture</source>
        <translation>Przesuń obraz</translation>
    </message>
    <message>
        <source>Resize Text</source>
        <translation>Zmień rozmiar tekstu</translation>
    </message>
    <message>
        <source>Move Text</source>
        <translation>Przesuń tekst</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Usuń łącze</translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation>Usuń obraz</translation>
    </message>
    <message>
        <source>Delete Text</source>
        <translation>Usuń tekst</translation>
    </message>
    <message>
        <source>Add Link</source>
        <translation>Dodaj łącze</translation>
    </message>
    <message>
        <source>Change Link</source>
        <translation>Zmień łącze</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg)</source>
        <translation>Obrazy (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>The change could not be made (%1).</source>
        <translation>Nie można wprowadzić zmiany (%1).</translation>
    </message>
</context>
<context>
    <name>CPageEditLayer</name>
    <message>
        <source>Text to add</source>
        <translation>Tekst do dodania</translation>
    </message>
    <message>
        <source>Leads nowhere</source>
        <translation>Nie prowadzi nigdzie</translation>
    </message>
    <message>
        <source>Double-click to change where it leads</source>
        <translation>Kliknij dwukrotnie, aby zmienić cel</translation>
    </message>
</context>
<context>
    <name>CPageView</name>
    <message>
        <source>The document&apos;s permissions do not allow copying its text.</source>
        <translation>Uprawnienia dokumentu nie pozwalają na kopiowanie jego tekstu.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Strona %1 z %2</translation>
    </message>
</context>
<context>
    <name>CPasswordBox</name>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is protected. Enter the password to open it.</source>
        <translation>Plik „%1” jest chroniony. Wprowadź hasło, aby go otworzyć.</translation>
    </message>
    <message>
        <source>Incorrect password. Please try again.</source>
        <translation>Nieprawidłowe hasło. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
</context>
<context>
    <name>CPdfImage</name>
    <message>
        <source>The file is not a PNG or JPEG picture.</source>
        <translation>Plik nie jest obrazem PNG ani JPEG.</translation>
    </message>
    <message>
        <source>The picture is too large or damaged.</source>
        <translation>Obraz jest za duży lub uszkodzony.</translation>
    </message>
</context>
<context>
    <name>CPdfPrinter</name>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Cannot Print</source>
        <translation>Nie można drukować</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow printing it. Open it with its permissions password to print it.</source>
        <translation>Uprawnienia dokumentu nie pozwalają na jego drukowanie. Aby go wydrukować, otwórz go hasłem uprawnień.</translation>
    </message>
    <message>
        <source>Failed to Print</source>
        <translation>Drukowanie nie powiodło się</translation>
    </message>
    <message>
        <source>No printer and no file to print to were chosen.</source>
        <translation>Nie wybrano drukarki ani pliku, do którego drukować.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Preparing the pages...</source>
        <translation>Przygotowywanie stron...</translation>
    </message>
    <message>
        <source>Sending to &quot;%1&quot;...</source>
        <translation>Wysyłanie do „%1”...</translation>
    </message>
    <message>
        <source>Writing &quot;%1&quot;...</source>
        <translation>Zapisywanie „%1”...</translation>
    </message>
</context>
<context>
    <name>CPresentationView</name>
    <message>
        <source>Presentation</source>
        <translation>Prezentacja</translation>
    </message>
</context>
<context>
    <name>CPrintJob</name>
    <message>
        <source>The pages &quot;%1&quot; are not in the document.</source>
        <translation>Stron „%1” nie ma w dokumencie.</translation>
    </message>
    <message>
        <source>No temporary folder could be made for the print job (%1).</source>
        <translation>Nie udało się utworzyć folderu tymczasowego dla zadania drukowania (%1).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: its folder or the file does not allow changes. Print to another file.</source>
        <translation>Nie można zapisać „%1”: folder lub plik nie pozwala na zmiany. Drukuj do innego pliku.</translation>
    </message>
    <message>
        <source>The printing service does not answer at %1.</source>
        <translation>Usługa drukowania nie odpowiada pod adresem %1.</translation>
    </message>
    <message>
        <source>No printer is set up (%1).</source>
        <translation>Nie skonfigurowano żadnej drukarki (%1).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be found (%2).</source>
        <translation>Nie można znaleźć drukarki „%1” (%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job: %2</source>
        <translation>Drukarka „%1” nie przyjęła zadania: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the document being printed. Print to another file.</source>
        <translation>„%1” to drukowany dokument. Drukuj do innego pliku.</translation>
    </message>
</context>
<context>
    <name>CPropertiesBox</name>
    <message>
        <source>Document Properties</source>
        <translation>Właściwości dokumentu</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lokalizacja</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Tytuł</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Temat</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Słowa kluczowe</translation>
    </message>
    <message>
        <source>Creator</source>
        <translation>Twórca</translation>
    </message>
    <message>
        <source>Producer</source>
        <translation>Producent</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Utworzono</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Zmodyfikowano</translation>
    </message>
    <message>
        <source>PDF Version</source>
        <translation>Wersja PDF</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Strony</translation>
    </message>
    <message>
        <source>Page Size</source>
        <translation>Rozmiar strony</translation>
    </message>
    <message>
        <source>%1 x %2 mm</source>
        <translation>%1 x %2 mm</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Rozmiar pliku</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Zabezpieczenia</translation>
    </message>
    <message>
        <source>Password protected</source>
        <translation>Chroniony hasłem</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CRecognizeBar</name>
    <message>
        <source>Text recognition</source>
        <translation>Rozpoznawanie tekstu</translation>
    </message>
    <message>
        <source>This page</source>
        <translation>Ta strona</translation>
    </message>
    <message>
        <source>All pages</source>
        <translation>Wszystkie strony</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Strony:</translation>
    </message>
    <message>
        <source>Pages to recognize</source>
        <translation>Strony do rozpoznania</translation>
    </message>
    <message>
        <source>e.g. 1-3, 5</source>
        <translation>np. 1-3, 5</translation>
    </message>
    <message>
        <source>Page numbers to recognize</source>
        <translation>Numery stron do rozpoznania</translation>
    </message>
    <message>
        <source>Languages of the text</source>
        <translation>Języki tekstu</translation>
    </message>
    <message>
        <source>The languages the pages are written in</source>
        <translation>Języki, w których napisano strony</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>Rozpoznaj tekst</translation>
    </message>
    <message>
        <source>Recognition progress</source>
        <translation>Postęp rozpoznawania</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Cancel text recognition</source>
        <translation>Anuluj rozpoznawanie tekstu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Close the text recognition bar</source>
        <translation>Zamknij pasek rozpoznawania tekstu</translation>
    </message>
    <message>
        <source>No language</source>
        <translation>Brak języka</translation>
    </message>
    <message>
        <source>Recognizing text, pages done: %1 of %2</source>
        <translation>Rozpoznawanie tekstu, ukończone strony: %1 z %2</translation>
    </message>
</context>
<context>
    <name>CRecognizeController</name>
    <message>
        <source>eng</source>
        <comment>The text recognition language of this translation, as its data file is named (ISO 639-2: deu, fra, chi_sim...)</comment>
        <translation>pol</translation>
    </message>
    <message>
        <source>No text recognition languages are installed.</source>
        <translation>Nie zainstalowano języków rozpoznawania tekstu.</translation>
    </message>
    <message>
        <source>This page is a scan without text. No text recognition languages are installed.</source>
        <translation>Ta strona to skan bez tekstu. Nie zainstalowano języków rozpoznawania tekstu.</translation>
    </message>
    <message>
        <source>This page is a scan without text.</source>
        <translation>Ta strona to skan bez tekstu.</translation>
    </message>
    <message>
        <source>This page has text already; only pages without text are recognized.</source>
        <translation>Ta strona ma już tekst; rozpoznawane są tylko strony bez tekstu.</translation>
    </message>
    <message>
        <source>The pages &quot;%1&quot; are not in the document.</source>
        <translation>Stron „%1” nie ma w dokumencie.</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>Rozpoznaj tekst</translation>
    </message>
    <message>
        <source>Done: the text can now be searched, selected and copied. Save to keep it.</source>
        <translation>Gotowe: tekst można teraz wyszukiwać, zaznaczać i kopiować. Zapisz, aby go zachować.</translation>
    </message>
    <message>
        <source>Every page chosen has text already. Nothing was changed.</source>
        <translation>Wszystkie wybrane strony mają już tekst. Nic nie zmieniono.</translation>
    </message>
    <message>
        <source>Text recognition was cancelled. Nothing was changed.</source>
        <translation>Rozpoznawanie tekstu anulowano. Nic nie zmieniono.</translation>
    </message>
    <message>
        <source>Text recognition failed (%1). Nothing was changed.</source>
        <translation>Rozpoznawanie tekstu nie powiodło się (%1). Nic nie zmieniono.</translation>
    </message>
</context>
<context>
    <name>CRenameBox</name>
    <message>
        <source>Rename</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The file name cannot be empty.</source>
        <translation>Nazwa pliku nie może być pusta.</translation>
    </message>
    <message>
        <source>A file name can&apos;t contain any of the following characters: \ / : * ? &quot; &lt; &gt; |</source>
        <translation>Nazwa pliku nie może zawierać żadnego z następujących znaków: \ / : * ? &quot; &lt; &gt; |</translation>
    </message>
    <message>
        <source>This name cannot be used as a file name.</source>
        <translation>Tej nazwy nie można użyć jako nazwy pliku.</translation>
    </message>
    <message>
        <source>A file with this name already exists.</source>
        <translation>Plik o tej nazwie już istnieje.</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Nowa nazwa</translation>
    </message>
</context>
<context>
    <name>CReviewDialog</name>
    <message>
        <source>Enjoying %1?</source>
        <translation>Podoba Ci się %1?</translation>
    </message>
    <message>
        <source>Rate Now</source>
        <translation>Oceń teraz</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Później</translation>
    </message>
    <message>
        <source>Don&apos;t Ask Again</source>
        <translation>Nie pytaj ponownie</translation>
    </message>
</context>
<context>
    <name>CSavePipeline</name>
    <message>
        <source>&quot;%1&quot; was moved or deleted while it was open. Nothing was written.</source>
        <translation>„%1” został przeniesiony lub usunięty, gdy był otwarty. Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program while it was open. Nothing was written; open it again to make your changes.</source>
        <translation>Inny program zmienił „%1”, gdy był otwarty. Nic nie zostało zapisane; otwórz go ponownie, aby wprowadzić zmiany.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read (%2). Nothing was written.</source>
        <translation>Nie można odczytać „%1” (%2). Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>This document was opened with its open password only. To change its protection, open it with its permissions password.</source>
        <translation>Ten dokument otwarto tylko hasłem otwierania. Aby zmienić jego ochronę, otwórz go hasłem uprawnień.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not allow changes. Choose another folder with Save As.</source>
        <translation>Folder „%1” nie pozwala na zmiany. Wybierz inny folder poleceniem Zapisz jako.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only. Choose another file with Save As.</source>
        <translation>„%1” jest tylko do odczytu. Wybierz inny plik poleceniem Zapisz jako.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written (%2). The file was left as it was.</source>
        <translation>Nie można zapisać „%1” (%2). Plik pozostał bez zmian.</translation>
    </message>
    <message>
        <source>The changes could not be prepared for writing (%1). Nothing was written.</source>
        <translation>Nie można przygotować zmian do zapisu (%1). Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was saved but could not be opened again (%2).</source>
        <translation>„%1” został zapisany, ale nie można go ponownie otworzyć (%2).</translation>
    </message>
</context>
<context>
    <name>CSearchResultModel</name>
    <message>
        <source>Page %1</source>
        <translation>Strona %1</translation>
    </message>
</context>
<context>
    <name>CSessionKeeper</name>
    <message>
        <source>%1 did not close properly last time. Your documents have been reopened.</source>
        <translation>%1 nie został poprawnie zamknięty ostatnim razem. Dokumenty zostały ponownie otwarte.</translation>
    </message>
    <message>
        <source>These documents could not be found and were not reopened:</source>
        <translation>Tych dokumentów nie znaleziono i nie zostały ponownie otwarte:</translation>
    </message>
    <message>
        <source>Recover unsaved changes to %1?</source>
        <translation>Odzyskać niezapisane zmiany w %1?</translation>
    </message>
    <message>
        <source>The changes were kept when the document was last open. If you discard them, they cannot be brought back.</source>
        <translation>Zmiany zostały zachowane, gdy dokument był ostatnio otwarty. Jeśli je odrzucisz, nie będzie można ich przywrócić.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Odrzuć</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Odzyskaj</translation>
    </message>
    <message>
        <source>Failed to Recover</source>
        <translation>Nie udało się odzyskać</translation>
    </message>
    <message>
        <source>The unsaved changes to %1 no longer fit the file.</source>
        <translation>Niezapisane zmiany w %1 nie pasują już do pliku.</translation>
    </message>
    <message>
        <source>Save as New File</source>
        <translation>Zapisz jako nowy plik</translation>
    </message>
    <message>
        <source>Unsaved changes to %1 are kept</source>
        <translation>Niezapisane zmiany w %1 zostają zachowane</translation>
    </message>
    <message>
        <source>The document cannot be found at &quot;%1&quot; right now. Its changes are offered again once it is back there.</source>
        <translation>Dokumentu nie można teraz znaleźć w „%1”. Jego zmiany zostaną zaproponowane ponownie, gdy znów tam będzie.</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Zachowaj</translation>
    </message>
    <message>
        <source>The last session had more windows and tabs than are reopened at once. Documents not reopened: %1</source>
        <translation>Ostatnia sesja miała więcej okien i kart, niż otwiera się naraz. Nieotwarte ponownie dokumenty: %1</translation>
    </message>
</context>
<context>
    <name>CSidePanel</name>
    <message>
        <source>Thumbnails</source>
        <translation>Miniatury</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Zakładki</translation>
    </message>
    <message>
        <source>Annotations</source>
        <translation>Adnotacje</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Załączniki</translation>
    </message>
    <message>
        <source>This document has no bookmarks.</source>
        <translation>Ten dokument nie zawiera zakładek.</translation>
    </message>
    <message>
        <source>This document has no attachments.</source>
        <translation>Ten dokument nie zawiera załączników.</translation>
    </message>
    <message>
        <source>Search Results</source>
        <translation>Wyniki wyszukiwania</translation>
    </message>
    <message>
        <source>In a comment on page %1</source>
        <translation>W komentarzu na stronie %1</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Podpisy</translation>
    </message>
</context>
<context>
    <name>CSignBox</name>
    <message>
        <source>Sign Document</source>
        <translation>Podpisz dokument</translation>
    </message>
    <message>
        <source>Sign &quot;%1&quot; with a certificate of your certificate store. The signed document is saved as a new file; this one stays as it is.</source>
        <translation>Podpisz „%1” certyfikatem z magazynu certyfikatów. Podpisany dokument zostanie zapisany jako nowy plik; ten pozostanie bez zmian.</translation>
    </message>
    <message>
        <source>Certificate store password</source>
        <translation>Hasło magazynu certyfikatów</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Odblokuj</translation>
    </message>
    <message>
        <source>Certificate:</source>
        <translation>Certyfikat:</translation>
    </message>
    <message>
        <source>Certificate</source>
        <translation>Certyfikat</translation>
    </message>
    <message>
        <source>Your certificate store has no certificate to sign with. Import one from a PKCS#12 file (.p12, .pfx).</source>
        <translation>Magazyn certyfikatów nie zawiera certyfikatu do podpisywania. Zaimportuj go z pliku PKCS#12 (.p12, .pfx).</translation>
    </message>
    <message>
        <source>Import Certificate...</source>
        <translation>Importuj certyfikat...</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Powód</translation>
    </message>
    <message>
        <source>For example: I approve this document</source>
        <translation>Na przykład: zatwierdzam ten dokument</translation>
    </message>
    <message>
        <source>Reason:</source>
        <translation>Powód:</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Miejsce</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Miejsce:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>Optional: a PNG or JPEG shown in the signature</source>
        <translation>Opcjonalnie: obraz PNG lub JPEG widoczny w podpisie</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Wybierz...</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Wybierz obraz</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Obraz:</translation>
    </message>
    <message>
        <source>Sign and Save As...</source>
        <translation>Podpisz i zapisz jako...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Issued by %1, valid from %2 to %3</source>
        <translation>Wystawca: %1, ważny od %2 do %3</translation>
    </message>
    <message>
        <source>Key usage: %1</source>
        <translation>Użycie klucza: %1</translation>
    </message>
    <message>
        <source>This is not the password of your certificate store.</source>
        <translation>To nie jest hasło magazynu certyfikatów.</translation>
    </message>
    <message>
        <source>Import Certificate</source>
        <translation>Importuj certyfikat</translation>
    </message>
    <message>
        <source>Certificate Files (*.p12 *.pfx)</source>
        <translation>Pliki certyfikatów (*.p12 *.pfx)</translation>
    </message>
    <message>
        <source>Password of the certificate file:</source>
        <translation>Hasło pliku certyfikatu:</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Wybierz obraz</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg)</source>
        <translation>Obrazy (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Choose a certificate to sign with, or import one.</source>
        <translation>Wybierz certyfikat do podpisu lub zaimportuj go.</translation>
    </message>
    <message>
        <source>The picture must be a PNG or JPEG file.</source>
        <translation>Obraz musi być plikiem PNG lub JPEG.</translation>
    </message>
</context>
<context>
    <name>CSignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Zaloguj się</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>nazwa@example.com</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>CSignatureBar</name>
    <message>
        <source>Signatures</source>
        <translation>Podpisy</translation>
    </message>
    <message>
        <source>Sign Document</source>
        <translation>Podpisz dokument</translation>
    </message>
    <message>
        <source>Signature Panel</source>
        <translation>Panel podpisów</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Close the signature bar</source>
        <translation>Zamknij pasek podpisów</translation>
    </message>
    <message>
        <source>an unknown signer</source>
        <translation>nieznanego podpisującego</translation>
    </message>
    <message>
        <source>Signed by %1, every signature is valid.</source>
        <translation>Podpisane przez: %1, wszystkie podpisy są prawidłowe.</translation>
    </message>
    <message>
        <source>Signed by %1, the signature is valid.</source>
        <translation>Podpisane przez: %1, podpis jest prawidłowy.</translation>
    </message>
    <message>
        <source>Signed by %1; the document was changed after %2 signed it.</source>
        <translation>Podpisane przez: %1; dokument zmieniono po podpisaniu przez: %2.</translation>
    </message>
    <message>
        <source>Signed by %1, the document was changed after signing.</source>
        <translation>Podpisane przez: %1, dokument zmieniono po podpisaniu.</translation>
    </message>
    <message>
        <source>Signed by %1; the certificate of %2 is not trusted.</source>
        <translation>Podpisane przez: %1; certyfikat (%2) nie jest zaufany.</translation>
    </message>
    <message>
        <source>Signed by %1, the certificate is not trusted.</source>
        <translation>Podpisane przez: %1, certyfikat nie jest zaufany.</translation>
    </message>
    <message>
        <source>Signed by %1; the signature of %2 is not valid.</source>
        <translation>Podpisane przez: %1; podpis (%2) jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>Signed by %1, the signature is not valid.</source>
        <translation>Podpisane przez: %1, podpis jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>Signed by %1; the signature of %2 cannot be checked.</source>
        <translation>Podpisane przez: %1; nie można sprawdzić podpisu (%2).</translation>
    </message>
    <message>
        <source>Signed by %1, the signature cannot be checked.</source>
        <translation>Podpisane przez: %1, nie można sprawdzić podpisu.</translation>
    </message>
    <message>
        <source>This document has a signature field waiting to be signed.</source>
        <translation>Ten dokument ma pole podpisu oczekujące na podpis.</translation>
    </message>
    <message>
        <source>The signatures cannot be checked: the file changed since it was opened.</source>
        <translation>Nie można sprawdzić podpisów: plik zmienił się od otwarcia.</translation>
    </message>
    <message>
        <source>Drag a box on a page for the signature, or click an empty signature field. Enter places it on the current page; Esc cancels.</source>
        <translation>Przeciągnij ramkę na stronie dla podpisu lub kliknij puste pole podpisu. Enter umieszcza go na bieżącej stronie; Esc anuluje.</translation>
    </message>
</context>
<context>
    <name>CSignatureController</name>
    <message>
        <source>Failed to Sign</source>
        <translation>Nie udało się podpisać</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>Nie udało się otworzyć</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; before signing?</source>
        <translation>Zapisać zmiany w „%1” przed podpisaniem?</translation>
    </message>
    <message>
        <source>A signature covers the document as it is saved.</source>
        <translation>Podpis obejmuje dokument w zapisanej postaci.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Save Signed Document</source>
        <translation>Zapisz podpisany dokument</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Pliki PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Digitally signed by %1</source>
        <translation>Podpisano cyfrowo przez: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Powód: %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>Miejsce: %1</translation>
    </message>
    <message>
        <source>%1 (as signed by %2).pdf</source>
        <translation>%1 (w wersji podpisanej przez %2).pdf</translation>
    </message>
    <message>
        <source>unknown signer</source>
        <translation>nieznany podpisujący</translation>
    </message>
</context>
<context>
    <name>CSignaturePanel</name>
    <message>
        <source>Signatures</source>
        <translation>Podpisy</translation>
    </message>
    <message>
        <source>Open Signed Version</source>
        <translation>Otwórz podpisaną wersję</translation>
    </message>
    <message>
        <source>Opens the document as it was when the selected signature was made, in a new tab.</source>
        <translation>Otwiera w nowej karcie dokument w postaci z chwili złożenia wybranego podpisu.</translation>
    </message>
    <message>
        <source>Sign Document</source>
        <translation>Podpisz dokument</translation>
    </message>
    <message>
        <source>The signature is valid.</source>
        <translation>Podpis jest prawidłowy.</translation>
    </message>
    <message>
        <source>The signature cannot be checked.</source>
        <translation>Nie można sprawdzić podpisu.</translation>
    </message>
    <message>
        <source>The signature is intact, but the certificate is not trusted.</source>
        <translation>Podpis jest nienaruszony, ale certyfikat nie jest zaufany.</translation>
    </message>
    <message>
        <source>The document was changed after signing.</source>
        <translation>Dokument zmieniono po podpisaniu.</translation>
    </message>
    <message>
        <source>The signature is not valid.</source>
        <translation>Podpis jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>Not signed yet.</source>
        <translation>Jeszcze niepodpisane.</translation>
    </message>
    <message>
        <source>The certificate is trusted.</source>
        <translation>Certyfikat jest zaufany.</translation>
    </message>
    <message>
        <source>Its issuer is marked as not trusted.</source>
        <translation>Jego wystawca jest oznaczony jako niezaufany.</translation>
    </message>
    <message>
        <source>Its issuer is not among the trusted certificates of this computer.</source>
        <translation>Jego wystawcy nie ma wśród zaufanych certyfikatów tego komputera.</translation>
    </message>
    <message>
        <source>The certificate was revoked by its issuer.</source>
        <translation>Certyfikat został unieważniony przez wystawcę.</translation>
    </message>
    <message>
        <source>The certificate was not valid at the time of signing.</source>
        <translation>Certyfikat nie był ważny w chwili podpisania.</translation>
    </message>
    <message>
        <source>The certificate could not be checked.</source>
        <translation>Nie można sprawdzić certyfikatu.</translation>
    </message>
    <message>
        <source>Checking the signatures...</source>
        <translation>Sprawdzanie podpisów...</translation>
    </message>
    <message>
        <source>This document has no signatures.</source>
        <translation>Ten dokument nie ma podpisów.</translation>
    </message>
    <message>
        <source>Unknown signer</source>
        <translation>Nieznany podpisujący</translation>
    </message>
    <message>
        <source>Empty signature field %1</source>
        <translation>Puste pole podpisu %1</translation>
    </message>
    <message>
        <source>Field &quot;%1&quot; on page %2</source>
        <translation>Pole „%1” na stronie %2</translation>
    </message>
    <message>
        <source>On page %1</source>
        <translation>Na stronie %1</translation>
    </message>
    <message>
        <source>Signed on %1</source>
        <translation>Podpisano %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Powód: %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>Miejsce: %1</translation>
    </message>
    <message>
        <source>Covers the whole document.</source>
        <translation>Obejmuje cały dokument.</translation>
    </message>
    <message>
        <source>Covers an earlier revision of the document (its first %1 bytes); later changes are not signed.</source>
        <translation>Obejmuje wcześniejszą wersję dokumentu (pierwsze %1 bajtów); późniejsze zmiany nie są podpisane.</translation>
    </message>
    <message>
        <source>Certificate issued by %1</source>
        <translation>Certyfikat wystawiony przez: %1</translation>
    </message>
    <message>
        <source>The certificate is self-signed.</source>
        <translation>Certyfikat jest samopodpisany.</translation>
    </message>
    <message>
        <source>Certificate valid from %1 to %2</source>
        <translation>Certyfikat ważny od %1 do %2</translation>
    </message>
    <message>
        <source>Key usage: %1</source>
        <translation>Użycie klucza: %1</translation>
    </message>
    <message>
        <source>Subject: %1</source>
        <translation>Podmiot: %1</translation>
    </message>
    <message>
        <source>Serial number: %1</source>
        <translation>Numer seryjny: %1</translation>
    </message>
</context>
<context>
    <name>CSignatures</name>
    <message>
        <source>The signed document must be saved as a new file; the original stays as it is.</source>
        <translation>Podpisany dokument trzeba zapisać jako nowy plik; oryginał pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>Choose a certificate to sign with.</source>
        <translation>Wybierz certyfikat do podpisu.</translation>
    </message>
    <message>
        <source>The document could not be read.</source>
        <translation>Nie można odczytać dokumentu.</translation>
    </message>
    <message>
        <source>The folder of the new file does not allow writing.</source>
        <translation>Folder nowego pliku nie pozwala na zapis.</translation>
    </message>
    <message>
        <source>The document could not be signed: there is no room for a temporary file.</source>
        <translation>Nie można podpisać dokumentu: brak miejsca na plik tymczasowy.</translation>
    </message>
    <message>
        <source>The document has no signature field of this name.</source>
        <translation>Dokument nie ma pola podpisu o tej nazwie.</translation>
    </message>
    <message>
        <source>This signature field is signed already.</source>
        <translation>To pole podpisu jest już podpisane.</translation>
    </message>
    <message>
        <source>Draw the place of the signature on a page first.</source>
        <translation>Najpierw narysuj miejsce podpisu na stronie.</translation>
    </message>
    <message>
        <source>The document could not be signed with this certificate. Its key may be missing from the store, or the store may be locked.</source>
        <translation>Nie można podpisać dokumentu tym certyfikatem. Może brakować jego klucza w magazynie albo magazyn jest zablokowany.</translation>
    </message>
    <message>
        <source>The signed document could not be written to %1.</source>
        <translation>Nie można zapisać podpisanego dokumentu w %1.</translation>
    </message>
    <message>
        <source>The signed version is no longer in the file.</source>
        <translation>Podpisanej wersji nie ma już w pliku.</translation>
    </message>
    <message>
        <source>The signed version could not be written to %1.</source>
        <translation>Nie można zapisać podpisanej wersji w %1.</translation>
    </message>
</context>
<context>
    <name>CSplitBox</name>
    <message>
        <source>Split Document</source>
        <translation>Podziel dokument</translation>
    </message>
    <message>
        <source>Pages per file:</source>
        <translation>Stron na plik:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Podziel</translation>
    </message>
    <message>
        <source>The %1 pages become %2 files.</source>
        <translation>%1 stron staje się %2 plikami.</translation>
    </message>
</context>
<context>
    <name>CTabBar</name>
    <message>
        <source>Close Tab</source>
        <translation>Zamknij kartę</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Dokumenty</translation>
    </message>
</context>
<context>
    <name>CTabListWidget</name>
    <message>
        <source>Open Tabs</source>
        <translation>Otwarte karty</translation>
    </message>
</context>
<context>
    <name>CTextOverlay</name>
    <message>
        <source>The text is too long: at most %1 characters can be added at once.</source>
        <translation>Tekst jest za długi: jednorazowo można dodać najwyżej %1 znaków.</translation>
    </message>
    <message>
        <source>The text must start on the page.</source>
        <translation>Tekst musi zaczynać się na stronie.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; is not installed.</source>
        <translation>Czcionka „%1” nie jest zainstalowana.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; has no character for &quot;%2&quot;. Choose a font that has it.</source>
        <translation>Czcionka „%1” nie ma znaku „%2”. Wybierz czcionkę, która go zawiera.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; cannot be embedded in a document. Choose another font.</source>
        <translation>Czcionki „%1” nie można osadzić w dokumencie. Wybierz inną czcionkę.</translation>
    </message>
</context>
<context>
    <name>CTextRecognizer</name>
    <message>
        <source>no text recognition languages are installed</source>
        <translation>nie zainstalowano żadnych języków rozpoznawania tekstu</translation>
    </message>
    <message>
        <source>no language data for &quot;%1&quot; is installed</source>
        <translation>nie zainstalowano danych językowych dla „%1”</translation>
    </message>
    <message>
        <source>no language chosen</source>
        <translation>nie wybrano języka</translation>
    </message>
    <message>
        <source>the language data could not be read</source>
        <translation>nie udało się odczytać danych językowych</translation>
    </message>
    <message>
        <source>no picture to read</source>
        <translation>brak obrazu do odczytania</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>brak pamięci</translation>
    </message>
    <message>
        <source>the picture could not be read</source>
        <translation>nie udało się odczytać obrazu</translation>
    </message>
    <message>
        <source>the text could not be written</source>
        <translation>nie udało się zapisać tekstu</translation>
    </message>
</context>
<context>
    <name>CUpdateDialog</name>
    <message>
        <source>Check for Updates</source>
        <translation>Sprawdź aktualizacje</translation>
    </message>
    <message>
        <source>You are using version %1.</source>
        <translation>Używasz wersji %1.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Pobierz</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Sprawdzanie aktualizacji...</translation>
    </message>
    <message>
        <source>%1 is up to date.</source>
        <translation>%1 jest aktualny.</translation>
    </message>
    <message>
        <source>A new version %1 is available.</source>
        <translation>Dostępna jest nowa wersja %1.</translation>
    </message>
    <message>
        <source>Could not reach the update service. Please check your connection and try again.</source>
        <translation>Nie można połączyć się z usługą aktualizacji. Sprawdź połączenie i spróbuj ponownie.</translation>
    </message>
</context>
<context>
    <name>CWindowTitleBar</name>
    <message>
        <source>Main Menu</source>
        <translation>Menu główne</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maksymalizuj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>DisplayOption</name>
    <message>
        <source>Display</source>
        <translation>Wyświetlanie</translation>
    </message>
    <message>
        <source>Default Page View</source>
        <translation>Domyślny widok strony</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Rzeczywisty rozmiar</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Dopasuj do strony</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Dopasuj do szerokości</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>Dopasuj do wysokości</translation>
    </message>
    <message>
        <source>Default Page Layout</source>
        <translation>Domyślny układ strony</translation>
    </message>
    <message>
        <source>Single Page View</source>
        <translation>Pojedyncza strona</translation>
    </message>
    <message>
        <source>Single Page Scrolling</source>
        <translation>Przewijanie pojedynczych stron</translation>
    </message>
    <message>
        <source>Two Page View</source>
        <translation>Dwie strony</translation>
    </message>
    <message>
        <source>Two Page Scrolling</source>
        <translation>Przewijanie dwóch stron</translation>
    </message>
    <message>
        <source>Default Cursor</source>
        <translation>Domyślny kursor</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Zaznaczanie</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Rączka</translation>
    </message>
</context>
<context>
    <name>DocumentMenu</name>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Open Recents</source>
        <translation>Otwórz ostatnie</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>Utwórz PDF</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>Zamknij kartę</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Zamknij okno</translation>
    </message>
    <message>
        <source>Close All Windows</source>
        <translation>Zamknij wszystkie okna</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>Open File Location</source>
        <translation>Otwórz lokalizację pliku</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Udostępnij</translation>
    </message>
    <message>
        <source>Document Properties</source>
        <translation>Właściwości dokumentu</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencje</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edycja</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Widok</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Wyświetlanie</translation>
    </message>
    <message>
        <source>Single Page View</source>
        <translation>Pojedyncza strona</translation>
    </message>
    <message>
        <source>Single Page Scrolling</source>
        <translation>Przewijanie pojedynczych stron</translation>
    </message>
    <message>
        <source>Two Page View</source>
        <translation>Dwie strony</translation>
    </message>
    <message>
        <source>Two Page Scrolling</source>
        <translation>Przewijanie dwóch stron</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Miniatury</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Zakładki</translation>
    </message>
    <message>
        <source>Annotations</source>
        <translation>Adnotacje</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Załączniki</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Powiększenie</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Rzeczywisty rozmiar</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Dopasuj do strony</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Dopasuj do szerokości</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>Dopasuj do wysokości</translation>
    </message>
    <message>
        <source>Enter Read Mode</source>
        <translation>Włącz tryb czytania</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Przejdź</translation>
    </message>
    <message>
        <source>First Page</source>
        <translation>Pierwsza strona</translation>
    </message>
    <message>
        <source>Last Page</source>
        <translation>Ostatnia strona</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Poprzednia strona</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Następna strona</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>W dół</translation>
    </message>
    <message>
        <source>Go to Page</source>
        <translation>Przejdź do strony</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Okno</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Move Window to Left Side of Screen</source>
        <translation>Przenieś okno na lewą stronę ekranu</translation>
    </message>
    <message>
        <source>Move Window to Right Side of Screen</source>
        <translation>Przenieś okno na prawą stronę ekranu</translation>
    </message>
    <message>
        <source>Replace Tiled Window</source>
        <translation>Zastąp sąsiednie okno</translation>
    </message>
    <message>
        <source>Show Next Tab</source>
        <translation>Pokaż następną kartę</translation>
    </message>
    <message>
        <source>Show Previous Tab</source>
        <translation>Pokaż poprzednią kartę</translation>
    </message>
    <message>
        <source>Move Tab to New Window</source>
        <translation>Przenieś kartę do nowego okna</translation>
    </message>
    <message>
        <source>Bring All to Front</source>
        <translation>Przenieś wszystko na wierzch</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>Open in New Window</source>
        <translation>Otwórz w nowym oknie</translation>
    </message>
    <message>
        <source>Close Other Tabs</source>
        <translation>Zamknij inne karty</translation>
    </message>
    <message>
        <source>Close All Tabs</source>
        <translation>Zamknij wszystkie karty</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Wygląd</translation>
    </message>
    <message>
        <source>Follow System</source>
        <translation>Zgodnie z systemem</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Jasny</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Ciemny</translation>
    </message>
    <message>
        <source>Create Desktop Shortcut</source>
        <translation>Utwórz skrót na pulpicie</translation>
    </message>
    <message>
        <source>Set as Default</source>
        <translation>Ustaw jako domyślny</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Podręcznik użytkownika</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>FAQ</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Prześlij opinię</translation>
    </message>
    <message>
        <source>Support Center</source>
        <translation>Centrum pomocy</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Sprawdź aktualizacje</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <source>Protect</source>
        <translation>Chroń</translation>
    </message>
    <message>
        <source>Organize Pages</source>
        <translation>Uporządkuj strony</translation>
    </message>
    <message>
        <source>Page Colours</source>
        <translation>Kolory stron</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normalne</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>Wysoki kontrast</translation>
    </message>
    <message>
        <source>Dark Pages with the Dark Appearance</source>
        <translation>Ciemne strony przy ciemnym wyglądzie</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Komentarz</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Obróć w lewo</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Obróć w prawo</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>Prezentacja</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Leave Read Mode</source>
        <translation>Zakończ tryb czytania</translation>
    </message>
    <message>
        <source>Sign Document...</source>
        <translation>Podpisz dokument...</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Podpisy</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>Rozpoznaj tekst</translation>
    </message>
    <message>
        <source>Edit Page Content</source>
        <translation>Edytuj zawartość strony</translation>
    </message>
</context>
<context>
    <name>GeneralOption</name>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Set %1 as default PDF reader</source>
        <translation>Ustaw %1 jako domyślny czytnik PDF</translation>
    </message>
    <message>
        <source>Quit program when all windows are closed</source>
        <translation>Zamknij program po zamknięciu wszystkich okien</translation>
    </message>
    <message>
        <source>Restore last view settings when reopening documents</source>
        <translation>Przywracaj ostatnie ustawienia widoku przy ponownym otwieraniu dokumentów</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Display Language</source>
        <translation>Język interfejsu</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Wygląd</translation>
    </message>
    <message>
        <source>Follow System</source>
        <translation>Zgodnie z systemem</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Jasny</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Ciemny</translation>
    </message>
    <message>
        <source>Reopen documents from last time</source>
        <translation>Otwieraj ponownie dokumenty z ostatniego razu</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Open PDF</source>
        <translation>Otwórz PDF</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>Utwórz PDF</translation>
    </message>
    <message>
        <source>Popular Tools</source>
        <translation>Popularne narzędzia</translation>
    </message>
    <message>
        <source>Edit PDF</source>
        <translation>Edytuj PDF</translation>
    </message>
    <message>
        <source>Print PDF</source>
        <translation>Drukuj PDF</translation>
    </message>
    <message>
        <source>Organize PDFs</source>
        <translation>Organizuj pliki PDF</translation>
    </message>
    <message>
        <source>Encrypt PDF</source>
        <translation>Zaszyfruj PDF</translation>
    </message>
    <message>
        <source>Edit text, images and links in your PDF effortlessly</source>
        <translation>Bez trudu edytuj tekst, obrazy i łącza w pliku PDF</translation>
    </message>
    <message>
        <source>Create a Blank Page PDF in a second</source>
        <translation>Utwórz pusty plik PDF w sekundę</translation>
    </message>
    <message>
        <source>Print your PDF document quickly and easily</source>
        <translation>Drukuj dokumenty PDF szybko i łatwo</translation>
    </message>
    <message>
        <source>Simply sort, add, delete PDF pages and etc.</source>
        <translation>Łatwo sortuj, dodawaj i usuwaj strony PDF i nie tylko.</translation>
    </message>
    <message>
        <source>Password protect your PDF from unauthorized access</source>
        <translation>Chroń plik PDF hasłem przed nieuprawnionym dostępem</translation>
    </message>
    <message>
        <source>You&apos;ve gone Incognito</source>
        <translation>Jesteś w trybie incognito</translation>
    </message>
    <message>
        <source>The history of the files you have viewed will not be saved.</source>
        <translation>Historia przeglądanych plików nie będzie zapisywana.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Add text, pictures and links to pages; move, resize or delete pictures; change where links lead. Text that is already on a page cannot be changed.</source>
        <translation>Dodawaj do stron tekst, obrazy i łącza; przesuwaj, zmieniaj rozmiar i usuwaj obrazy; zmieniaj cele łączy. Tekstu, który już jest na stronie, nie można zmienić.</translation>
    </message>
</context>
<context>
    <name>LogGuidBox</name>
    <message>
        <source>Log In Your Marvik Account</source>
        <translation>Zaloguj się do konta Marvik</translation>
    </message>
    <message>
        <source>Work across desktop &amp; mobile</source>
        <translation>Pracuj na komputerze i urządzeniach mobilnych</translation>
    </message>
    <message>
        <source>Support multiple languages</source>
        <translation>Obsługa wielu języków</translation>
    </message>
    <message>
        <source>Free customer support</source>
        <translation>Bezpłatna obsługa klienta</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Zaloguj się</translation>
    </message>
</context>
<context>
    <name>MKMainWindow</name>
    <message>
        <source>Version: %1</source>
        <translation>Wersja: %1</translation>
    </message>
    <message>
        <source>System: %1</source>
        <translation>System: %1</translation>
    </message>
    <message>
        <source>%1 %2 feedback</source>
        <translation>Opinia o %1 %2</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>Zalogowano jako %1</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Wyloguj się</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>MKMessageBox</name>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>MainBox</name>
    <message>
        <source>The file could not be renamed. It may be in use, or the folder may not allow changes.</source>
        <translation>Nie można zmienić nazwy pliku. Plik może być w użyciu lub folder może nie zezwalać na zmiany.</translation>
    </message>
    <message>
        <source>Failed to Rename</source>
        <translation>Nie udało się zmienić nazwy</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>Nie udało się otworzyć</translation>
    </message>
    <message>
        <source>The attachment could not be read from the document.</source>
        <translation>Nie można odczytać załącznika z dokumentu.</translation>
    </message>
    <message>
        <source>The attachment could not be saved.</source>
        <translation>Nie można zapisać załącznika.</translation>
    </message>
    <message>
        <source>Do you want to save changes to &quot;%1&quot; before closing?</source>
        <translation>Czy zapisać zmiany w „%1” przed zamknięciem?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don&apos;t save them.</source>
        <translation>Jeśli ich nie zapiszesz, zmiany zostaną utracone.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Nie zapisuj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Cannot Organize Pages</source>
        <translation>Nie można uporządkować stron</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow changing its pages. Open it with its permissions password to organize it.</source>
        <translation>Uprawnienia dokumentu nie pozwalają na zmianę jego stron. Otwórz go hasłem uprawnień, aby go uporządkować.</translation>
    </message>
    <message>
        <source>Save the page changes to &quot;%1&quot;?</source>
        <translation>Zapisać zmiany stron w „%1”?</translation>
    </message>
    <message>
        <source>The reading view shows the pages once they are saved.</source>
        <translation>Widok czytania pokazuje strony po ich zapisaniu.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Odrzuć</translation>
    </message>
    <message>
        <source>The file might have been moved, damaged, or deleted.</source>
        <translation>Plik mógł zostać przeniesiony, uszkodzony lub usunięty.</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Startup Page</source>
        <translation>Strona startowa</translation>
    </message>
    <message>
        <source>Open PDF</source>
        <translation>Otwórz PDF</translation>
    </message>
    <message>
        <source>Open Tabs</source>
        <translation>Otwarte karty</translation>
    </message>
    <message>
        <source>Shortcut already exists.</source>
        <translation>Skrót już istnieje.</translation>
    </message>
    <message>
        <source>Shortcut successfully created!</source>
        <translation>Skrót został utworzony!</translation>
    </message>
    <message>
        <source>Failed to create shortcuts.</source>
        <translation>Nie udało się utworzyć skrótu.</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>Nie udało się otworzyć</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Do you want to close all tabs or the current tab?</source>
        <translation>Czy zamknąć wszystkie karty, czy tylko bieżącą?</translation>
    </message>
    <message>
        <source>Always close all tabs</source>
        <translation>Zawsze zamykaj wszystkie karty</translation>
    </message>
    <message>
        <source>Close Current Tab</source>
        <translation>Zamknij bieżącą kartę</translation>
    </message>
    <message>
        <source>Close All Tabs</source>
        <translation>Zamknij wszystkie karty</translation>
    </message>
    <message>
        <source>Do you want to set %1 as your default PDF viewer?</source>
        <translation>Czy ustawić %1 jako domyślną przeglądarkę PDF?</translation>
    </message>
    <message>
        <source>Don&apos;t show again</source>
        <translation>Nie pokazuj ponownie</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Później</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>Failed to Create PDF</source>
        <translation>Nie udało się utworzyć pliku PDF</translation>
    </message>
    <message>
        <source>The new document could not be written to &quot;%1&quot;. Check that the folder exists and that you may write there.</source>
        <translation>Nie można zapisać nowego dokumentu w „%1”. Sprawdź, czy folder istnieje i czy masz uprawnienia do zapisu.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is an address on the network, not a file on this computer. Save the document, then open the saved file.</source>
        <translation>„%1” to adres w sieci, a nie plik na tym komputerze. Zapisz dokument, a potem otwórz zapisany plik.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found. It may have been moved, renamed or deleted.</source>
        <translation>Nie znaleziono „%1”. Plik mógł zostać przeniesiony, przemianowany lub usunięty.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a PDF document.</source>
        <translation>„%1” to folder, a nie dokument PDF.</translation>
    </message>
    <message>
        <source>You do not have permission to read &quot;%1&quot;.</source>
        <translation>Nie masz uprawnień do odczytu „%1”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a PDF document, or it is too damaged to be recognised as one.</source>
        <translation>„%1” nie jest dokumentem PDF albo jest zbyt uszkodzony, by go rozpoznać.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a PDF document but a file of another kind (%2).</source>
        <translation>„%1” nie jest dokumentem PDF, lecz plikiem innego rodzaju (%2).</translation>
    </message>
</context>
<context>
    <name>PrivacyOption</name>
    <message>
        <source>Privacy</source>
        <translation>Prywatność</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics</source>
        <translation>Wysyłaj anonimowe statystyki użycia</translation>
    </message>
    <message>
        <source>Send crash reports</source>
        <translation>Wysyłaj raporty o awariach</translation>
    </message>
    <message>
        <source>Usage statistics count how often %1 starts and which features are used; a crash report holds what the program was doing when it crashed and the end of its log. Neither holds the names or content of your documents, and nothing is sent unless you tick it here.</source>
        <translation>Statystyki użycia liczą, ile razy uruchamiany jest %1 i których funkcji się używa; raport o awarii zawiera to, co program robił w chwili awarii, oraz koniec jego dziennika. Żadne z nich nie zawiera nazw ani treści Twoich dokumentów i nic nie jest wysyłane, dopóki tego tu nie zaznaczysz.</translation>
    </message>
</context>
<context>
    <name>QWKDialogBar</name>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>RecentPage</name>
    <message>
        <source>Recents</source>
        <translation>Ostatnie</translation>
    </message>
    <message>
        <source>Incognito Mode</source>
        <translation>Tryb incognito</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Widok listy</translation>
    </message>
    <message>
        <source>Grid View</source>
        <translation>Widok siatki</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Files you have recently viewed or worked with will be listed here</source>
        <translation>Tutaj pojawią się ostatnio przeglądane lub edytowane pliki</translation>
    </message>
    <message>
        <source>Open PDF</source>
        <translation>Otwórz PDF</translation>
    </message>
    <message>
        <source>Are you sure to clear all the records?</source>
        <translation>Czy na pewno wyczyścić całą historię?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Ostatnie pliki</translation>
    </message>
</context>
<context>
    <name>ReportConsent</name>
    <message>
        <source>Help Improve %1</source>
        <translation>Pomóż ulepszyć %1</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics and crash reports?</source>
        <translation>Wysyłać anonimowe statystyki użycia i raporty o awariach?</translation>
    </message>
    <message>
        <source>They tell how often %1 starts and what made it crash, never which documents you open or anything about you. You can change this at any time in Preferences.</source>
        <translation>Mówią, ile razy uruchamiany jest %1 i co spowodowało awarię, nigdy jakie dokumenty otwierasz ani nic o Tobie. Możesz to zmienić w każdej chwili w Preferencjach.</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
</context>
<context>
    <name>SettingOption</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencje</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Wyświetlanie</translation>
    </message>
    <message>
        <source>Blank PDF</source>
        <translation>Pusty PDF</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Prywatność</translation>
    </message>
</context>
</TS>
