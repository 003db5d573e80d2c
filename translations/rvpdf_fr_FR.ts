<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AssocGuidBox</name>
    <message>
        <source>Two Steps to Set %1 as the Default PDF Viewer</source>
        <translation>Définir %1 comme lecteur PDF par défaut en deux étapes</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Étape 1</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Étape 2</translation>
    </message>
    <message>
        <source>Click %1 below, then click %2 in the pop-up.</source>
        <translation>Cliquez sur %1 ci-dessous, puis sur %2 dans la fenêtre qui s&apos;affiche.</translation>
    </message>
    <message>
        <source>Set as Default</source>
        <translation>Définir par défaut</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Select %1 from the list, then click %2 to apply changes.</source>
        <translation>Sélectionnez %1 dans la liste, puis cliquez sur %2 pour appliquer les modifications.</translation>
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
        <translation>PDF vierge</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Page Size</source>
        <translation>Format de page</translation>
    </message>
    <message>
        <source>Fixed Size</source>
        <translation>Taille fixe</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>Lock aspect ratio</source>
        <translation>Verrouiller les proportions</translation>
    </message>
    <message>
        <source>Unlock aspect ration</source>
        <translation>Déverrouiller les proportions</translation>
    </message>
    <message>
        <source>Keep Aspect Ratio</source>
        <translation>Conserver les proportions</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
</context>
<context>
    <name>CAboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>%1 is a tabbed PDF reader for the desktop.</source>
        <translation>%1 est un lecteur PDF à onglets pour ordinateur.</translation>
    </message>
    <message>
        <source>This application uses open-source libraries, each under its own license.</source>
        <translation>Cette application utilise des bibliothèques open source, chacune sous sa propre licence.</translation>
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
        <translation>Ajouter %1</translation>
    </message>
    <message>
        <source>Delete Comment</source>
        <translation>Supprimer le commentaire</translation>
    </message>
    <message>
        <source>Edit Comment Text</source>
        <translation>Modifier le texte du commentaire</translation>
    </message>
    <message>
        <source>Erase Comments</source>
        <translation>Effacer les commentaires</translation>
    </message>
    <message>
        <source>Move Comment</source>
        <translation>Déplacer le commentaire</translation>
    </message>
    <message>
        <source>Resize Comment</source>
        <translation>Redimensionner le commentaire</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Modifier le texte</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Change Comment Color</source>
        <translation>Changer la couleur du commentaire</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>CAnnotationPanel</name>
    <message>
        <source>Page %1 (%2)</source>
        <translation>Page %1 (%2)</translation>
    </message>
    <message>
        <source>This document has no annotations.</source>
        <translation>Ce document ne contient aucune annotation.</translation>
    </message>
</context>
<context>
    <name>CChangeWatcher</name>
    <message>
        <source>Document Changed</source>
        <translation>Document modifié</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>« %1 » a été modifié par un autre programme. Le recharger et perdre les modifications non enregistrées ?</translation>
    </message>
    <message>
        <source>Keep My Version</source>
        <translation>Garder ma version</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
</context>
<context>
    <name>CClearEdit</name>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>CCommentController</name>
    <message>
        <source>Change Comment Color</source>
        <translation>Changer la couleur du commentaire</translation>
    </message>
    <message>
        <source>Change Comment Opacity</source>
        <translation>Changer l’opacité du commentaire</translation>
    </message>
    <message>
        <source>Change Line Width</source>
        <translation>Changer l’épaisseur du trait</translation>
    </message>
    <message>
        <source>Change Font Size</source>
        <translation>Changer la taille de police</translation>
    </message>
    <message>
        <source>Cannot Add Comments</source>
        <translation>Impossible d’ajouter des commentaires</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow adding comments.</source>
        <translation>Les autorisations du document ne permettent pas d’ajouter des commentaires.</translation>
    </message>
</context>
<context>
    <name>CCommentOptions</name>
    <message>
        <source>Highlight</source>
        <translation>Surligner</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Souligner</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Barrer</translation>
    </message>
    <message>
        <source>Squiggly</source>
        <translation>Souligné ondulé</translation>
    </message>
    <message>
        <source>Sticky Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Text Box</source>
        <translation>Zone de texte</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Crayon</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Flèche</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Gomme</translation>
    </message>
</context>
<context>
    <name>CCommentToolBar</name>
    <message>
        <source>Select Comments</source>
        <translation>Sélectionner des commentaires</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>Plus de couleurs...</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacité</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Épaisseur</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>Épaisseur du trait</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>Close Comment Tools</source>
        <translation>Fermer les outils de commentaire</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Failed to Save</source>
        <translation>Échec de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Cannot Change Protection</source>
        <translation>Impossible de modifier la protection</translation>
    </message>
    <message>
        <source>Replace &quot;%1&quot; with the protected version?</source>
        <translation>Remplacer « %1 » par la version protégée ?</translation>
    </message>
    <message>
        <source>The file will need the password to open from now on.</source>
        <translation>Le fichier demandera désormais le mot de passe à l’ouverture.</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Save as New File</source>
        <translation>Enregistrer comme nouveau fichier</translation>
    </message>
    <message>
        <source>Remove the password from &quot;%1&quot;?</source>
        <translation>Retirer le mot de passe de « %1 » ?</translation>
    </message>
    <message>
        <source>Anyone will be able to open the file.</source>
        <translation>Tout le monde pourra ouvrir le fichier.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Saving will break the signatures of &quot;%1&quot;.</source>
        <translation>L’enregistrement rendra invalides les signatures de « %1 ».</translation>
    </message>
    <message>
        <source>Changed pages or protection rewrite the whole file, and the signatures in it will no longer be valid. Save as a new file to keep the signed original.</source>
        <translation>Des pages ou une protection modifiées réécrivent tout le fichier, et ses signatures ne seront plus valides. Enregistrez sous un nouveau fichier pour conserver l’original signé.</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>Enregistrer quand même</translation>
    </message>
</context>
<context>
    <name>CDocumentToolBar</name>
    <message>
        <source>Thumbnails</source>
        <translation>Miniatures</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Rechercher (Ctrl+F)</translation>
    </message>
    <message>
        <source>Organize Pages</source>
        <translation>Organiser les pages</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Taille réelle</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ajuster à la page</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Ajuster à la largeur</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>Ajuster à la hauteur</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Enter Read Mode</source>
        <translation>Passer en mode lecture</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commenter</translation>
    </message>
    <message>
        <source>This document does not allow comments</source>
        <translation>Ce document n’autorise pas les commentaires</translation>
    </message>
    <message>
        <source>Page Number</source>
        <translation>Numéro de page</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
</context>
<context>
    <name>CEditRecovery</name>
    <message>
        <source>Recover Changes</source>
        <translation>Récupérer les modifications</translation>
    </message>
</context>
<context>
    <name>CEditSession</name>
    <message>
        <source>Restore Page Changes</source>
        <translation>Rétablir les modifications de pages</translation>
    </message>
    <message>
        <source>Restore Recognized Text</source>
        <translation>Restaurer le texte reconnu</translation>
    </message>
    <message>
        <source>Restore Page Edits</source>
        <translation>Restaurer les modifications de page</translation>
    </message>
</context>
<context>
    <name>CEncryptBox</name>
    <message>
        <source>Encrypt PDF</source>
        <translation>Chiffrer un PDF</translation>
    </message>
    <message>
        <source>Set a password that is needed to open &quot;%1&quot;.</source>
        <translation>Définissez le mot de passe nécessaire pour ouvrir « %1 ».</translation>
    </message>
    <message>
        <source>Open password:</source>
        <translation>Mot de passe d’ouverture :</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>Confirmer le mot de passe :</translation>
    </message>
    <message>
        <source>Restrict printing and editing with a permissions password</source>
        <translation>Limiter l’impression et la modification par un mot de passe des droits</translation>
    </message>
    <message>
        <source>Permissions password:</source>
        <translation>Mot de passe des droits :</translation>
    </message>
    <message>
        <source>Allow printing</source>
        <translation>Autoriser l’impression</translation>
    </message>
    <message>
        <source>Allow copying text and images</source>
        <translation>Autoriser la copie du texte et des images</translation>
    </message>
    <message>
        <source>Allow editing</source>
        <translation>Autoriser la modification</translation>
    </message>
    <message>
        <source>Allow commenting</source>
        <translation>Autoriser les commentaires</translation>
    </message>
    <message>
        <source>Allow filling in forms</source>
        <translation>Autoriser le remplissage des formulaires</translation>
    </message>
    <message>
        <source>Allow inserting, deleting and rotating pages</source>
        <translation>Autoriser l’insertion, la suppression et la rotation des pages</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Chiffrement :</translation>
    </message>
    <message>
        <source>AES-256 (recommended)</source>
        <translation>AES-256 (recommandé)</translation>
    </message>
    <message>
        <source>AES-128 (for older readers)</source>
        <translation>AES-128 (pour les anciens lecteurs)</translation>
    </message>
    <message>
        <source>Remove Protection</source>
        <translation>Retirer la protection</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save as New File...</source>
        <translation>Enregistrer comme nouveau fichier…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Fort</translation>
    </message>
    <message>
        <source>Strength: %1</source>
        <translation>Robustesse : %1</translation>
    </message>
    <message>
        <source>Enter a password to open the document.</source>
        <translation>Saisissez un mot de passe pour ouvrir le document.</translation>
    </message>
    <message>
        <source>The passwords do not match. Type the open password again in both fields.</source>
        <translation>Les mots de passe ne correspondent pas. Saisissez de nouveau le mot de passe d’ouverture dans les deux champs.</translation>
    </message>
    <message>
        <source>Enter a permissions password, or turn the restrictions off.</source>
        <translation>Saisissez un mot de passe des droits ou désactivez les restrictions.</translation>
    </message>
    <message>
        <source>The permissions passwords do not match. Type it again in both fields.</source>
        <translation>Les mots de passe des droits ne correspondent pas. Saisissez-le de nouveau dans les deux champs.</translation>
    </message>
    <message>
        <source>The permissions password must differ from the open password.</source>
        <translation>Le mot de passe des droits doit être différent du mot de passe d’ouverture.</translation>
    </message>
</context>
<context>
    <name>CFileListView</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Épingler</translation>
    </message>
    <message>
        <source>Unpin</source>
        <translation>Désépingler</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Open File Location</source>
        <translation>Ouvrir l&apos;emplacement du fichier</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Supprimer de la liste</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>Échec de l&apos;ouverture</translation>
    </message>
    <message>
        <source>The file might have been moved, damaged, or deleted.</source>
        <translation>Le fichier a peut-être été déplacé, endommagé ou supprimé.</translation>
    </message>
    <message>
        <source>Failed to Rename</source>
        <translation>Échec du renommage</translation>
    </message>
    <message>
        <source>The file could not be renamed. It may be in use, or the folder may not allow changes.</source>
        <translation>Impossible de renommer le fichier. Il est peut-être en cours d&apos;utilisation, ou le dossier n&apos;autorise pas les modifications.</translation>
    </message>
</context>
<context>
    <name>CFindBar</name>
    <message>
        <source>Find in document</source>
        <translation>Rechercher dans le document</translation>
    </message>
    <message>
        <source>Previous Match (Shift+F3)</source>
        <translation>Occurrence précédente (Maj+F3)</translation>
    </message>
    <message>
        <source>Next Match (F3)</source>
        <translation>Occurrence suivante (F3)</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Respecter la casse</translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation>Mots entiers</translation>
    </message>
    <message>
        <source>Show All Results</source>
        <translation>Afficher tous les résultats</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Fermer (Échap)</translation>
    </message>
    <message>
        <source>No text in this document</source>
        <translation>Ce document ne contient pas de texte</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>No results</source>
        <translation>Aucun résultat</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stop Searching</source>
        <translation>Arrêter la recherche</translation>
    </message>
    <message>
        <source>%1 of %2, %3 of %4 pages searched</source>
        <translation>%1 sur %2, %3 pages sur %4 parcourues</translation>
    </message>
    <message>
        <source>%1 found, %2 of %3 pages searched</source>
        <translation>%1 trouvés, %2 pages sur %3 parcourues</translation>
    </message>
    <message>
        <source>%1 of %2, stopped after %3 of %4 pages</source>
        <translation>%1 sur %2, arrêtée après %3 pages sur %4</translation>
    </message>
    <message>
        <source>%1 found, stopped after %2 of %3 pages</source>
        <translation>%1 trouvés, arrêtée après %2 pages sur %3</translation>
    </message>
</context>
<context>
    <name>CFormBar</name>
    <message>
        <source>Highlight Fields</source>
        <translation>Surligner les champs</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>This document contains form fields you can fill in.</source>
        <translation>Ce document contient des champs de formulaire que vous pouvez remplir.</translation>
    </message>
    <message>
        <source>This document contains form fields, but its permissions do not allow filling them in.</source>
        <translation>Ce document contient des champs de formulaire, mais ses autorisations ne permettent pas de les remplir.</translation>
    </message>
    <message>
        <source>This form uses XFA, which is not supported. Its fields cannot be shown or filled in here.</source>
        <translation>Ce formulaire utilise XFA, qui n’est pas pris en charge. Ses champs ne peuvent pas être affichés ni remplis ici.</translation>
    </message>
</context>
<context>
    <name>CFormLayer</name>
    <message>
        <source>Reset Form</source>
        <translation>Réinitialiser le formulaire</translation>
    </message>
    <message>
        <source>Fill In Form</source>
        <translation>Remplir le formulaire</translation>
    </message>
</context>
<context>
    <name>CGotoPageBox</name>
    <message>
        <source>Go to Page</source>
        <translation>Aller à la page</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>sur %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Aller</translation>
    </message>
    <message>
        <source>Page Number</source>
        <translation>Numéro de page</translation>
    </message>
</context>
<context>
    <name>CLinkActions</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Open this link?</source>
        <translation>Ouvrir ce lien ?</translation>
    </message>
    <message>
        <source>The document links to &quot;%1&quot;, which another program will open.</source>
        <translation>Le document renvoie vers « %1 », qu’un autre programme ouvrira.</translation>
    </message>
    <message>
        <source>Cannot Open the Linked File</source>
        <translation>Impossible d’ouvrir le fichier lié</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>« %1 » est introuvable.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open this file?</source>
        <translation>Ouvrir ce fichier ?</translation>
    </message>
    <message>
        <source>The document links to &quot;%1&quot; (%2), which another program will open.</source>
        <translation>Le document renvoie vers « %1 » (%2), qu’un autre programme ouvrira.</translation>
    </message>
</context>
<context>
    <name>CLinkLayer</name>
    <message>
        <source>Go to page %1</source>
        <translation>Aller à la page %1</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <translation>Écrire à %1</translation>
    </message>
    <message>
        <source>Open %1 at page %2</source>
        <translation>Ouvrir %1 à la page %2</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Ouvrir %1</translation>
    </message>
    <message>
        <source>Viewer command: %1</source>
        <translation>Commande de la visionneuse : %1</translation>
    </message>
    <message>
        <source>Runs the program %1; links that run programs are not followed</source>
        <translation>Lance le programme %1 ; les liens qui lancent des programmes ne sont pas suivis</translation>
    </message>
    <message>
        <source>Runs a script; links that run scripts are not followed</source>
        <translation>Exécute un script ; les liens qui exécutent des scripts ne sont pas suivis</translation>
    </message>
</context>
<context>
    <name>CLinkTargetBox</name>
    <message>
        <source>Link Target</source>
        <translation>Cible du lien</translation>
    </message>
    <message>
        <source>Page of this document</source>
        <translation>Page de ce document</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Numéro de page</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Adresse web</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CLoadingPage</name>
    <message>
        <source>Opening &quot;%1&quot;...</source>
        <translation>Ouverture de « %1 »...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CMemberManager</name>
    <message>
        <source>Could not reach the account service. Please check your connection and try again.</source>
        <translation>Impossible de joindre le service de compte. Vérifiez votre connexion et réessayez.</translation>
    </message>
    <message>
        <source>Signing in is already in progress.</source>
        <translation>Une connexion est déjà en cours.</translation>
    </message>
    <message>
        <source>Please enter a valid e-mail address.</source>
        <translation>Veuillez saisir une adresse e-mail valide.</translation>
    </message>
    <message>
        <source>Please enter your password.</source>
        <translation>Veuillez saisir votre mot de passe.</translation>
    </message>
    <message>
        <source>The e-mail address or password is incorrect.</source>
        <translation>L&apos;adresse e-mail ou le mot de passe est incorrect.</translation>
    </message>
    <message>
        <source>The account service sent an answer that could not be read. Please try again later.</source>
        <translation>Le service de compte a renvoyé une réponse illisible. Veuillez réessayer plus tard.</translation>
    </message>
</context>
<context>
    <name>CNssStore</name>
    <message>
        <source>The certificate store in %1 could not be opened.</source>
        <translation>Le magasin de certificats de %1 n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>The certificate store is locked. Give its password first.</source>
        <translation>Le magasin de certificats est verrouillé. Saisissez d&apos;abord son mot de passe.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Le fichier n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>The file is not a certificate file (PKCS#12).</source>
        <translation>Le fichier n&apos;est pas un fichier de certificat (PKCS#12).</translation>
    </message>
    <message>
        <source>The password does not open this certificate file.</source>
        <translation>Le mot de passe n&apos;ouvre pas ce fichier de certificat.</translation>
    </message>
    <message>
        <source>The certificate could not be added to the store in %1.</source>
        <translation>Le certificat n&apos;a pas pu être ajouté au magasin de %1.</translation>
    </message>
    <message>
        <source>The file holds no certificate with its private key, so it cannot sign.</source>
        <translation>Le fichier ne contient aucun certificat avec sa clé privée : il ne peut pas signer.</translation>
    </message>
    <message>
        <source>Digital signature</source>
        <translation>Signature numérique</translation>
    </message>
    <message>
        <source>Non-repudiation</source>
        <translation>Non-répudiation</translation>
    </message>
    <message>
        <source>Key encipherment</source>
        <translation>Chiffrement de clé</translation>
    </message>
    <message>
        <source>Data encipherment</source>
        <translation>Chiffrement de données</translation>
    </message>
    <message>
        <source>Key agreement</source>
        <translation>Accord de clé</translation>
    </message>
    <message>
        <source>Certificate signing</source>
        <translation>Signature de certificats</translation>
    </message>
    <message>
        <source>CRL signing</source>
        <translation>Signature de CRL</translation>
    </message>
    <message>
        <source>Encipher only</source>
        <translation>Chiffrement uniquement</translation>
    </message>
</context>
<context>
    <name>COpenController</name>
    <message>
        <source>Failed to Open</source>
        <translation>Échec de l&apos;ouverture</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found. It may have been moved, renamed or deleted.</source>
        <translation>« %1 » est introuvable. Il a peut-être été déplacé, renommé ou supprimé.</translation>
    </message>
    <message>
        <source>You do not have permission to read &quot;%1&quot;.</source>
        <translation>Vous n’avez pas l’autorisation de lire « %1 ».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and cannot be read.</source>
        <translation>« %1 » est endommagé et ne peut pas être lu.</translation>
    </message>
</context>
<context>
    <name>COrganizerBox</name>
    <message>
        <source>Rotate Left</source>
        <translation>Faire pivoter à gauche</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Faire pivoter à droite</translation>
    </message>
    <message>
        <source>Delete Pages</source>
        <translation>Supprimer les pages</translation>
    </message>
    <message>
        <source>Duplicate Pages</source>
        <translation>Dupliquer les pages</translation>
    </message>
    <message>
        <source>Insert Blank Page</source>
        <translation>Insérer une page vierge</translation>
    </message>
    <message>
        <source>Insert Pages from File</source>
        <translation>Insérer des pages d’un fichier</translation>
    </message>
    <message>
        <source>Extract Pages</source>
        <translation>Extraire les pages</translation>
    </message>
    <message>
        <source>Split Document</source>
        <translation>Diviser le document</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Annuler (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Shift+Z)</source>
        <translation>Rétablir (Ctrl+Maj+Z)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Move Pages</source>
        <translation>Déplacer les pages</translation>
    </message>
    <message>
        <source>Pages: %1  Selected: %2</source>
        <translation>Pages : %1  Sélection : %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cannot Delete Pages</source>
        <translation>Impossible de supprimer les pages</translation>
    </message>
    <message>
        <source>A document needs at least one page. Keep one page or more.</source>
        <translation>Un document doit avoir au moins une page. Gardez une page ou plus.</translation>
    </message>
    <message>
        <source>Cannot Insert Pages</source>
        <translation>Impossible d’insérer les pages</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read. It may be damaged or not a PDF file.</source>
        <translation>Impossible de lire « %1 ». Le fichier est peut-être endommagé ou n’est pas un PDF.</translation>
    </message>
    <message>
        <source>Insert Pages</source>
        <translation>Insérer des pages</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Failed to Extract Pages</source>
        <translation>Échec de l’extraction des pages</translation>
    </message>
    <message>
        <source>Failed to Split Document</source>
        <translation>Échec de la division du document</translation>
    </message>
</context>
<context>
    <name>COrganizerView</name>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
</context>
<context>
    <name>CPageEditBar</name>
    <message>
        <source>Page Editing</source>
        <translation>Modification des pages</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Ajouter du texte</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Ajouter une image</translation>
    </message>
    <message>
        <source>Add Link</source>
        <translation>Ajouter un lien</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>Plus de couleurs...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Link Target...</source>
        <translation>Cible du lien...</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Leave page editing</source>
        <translation>Quitter la modification des pages</translation>
    </message>
    <message>
        <source>Click where the text should start; Ctrl+Enter keeps it.</source>
        <translation>Cliquez là où le texte doit commencer ; Ctrl+Entrée le conserve.</translation>
    </message>
    <message>
        <source>Click where the picture should go.</source>
        <translation>Cliquez là où l&apos;image doit aller.</translation>
    </message>
    <message>
        <source>Drag over the area that should become a link.</source>
        <translation>Faites glisser sur la zone qui doit devenir un lien.</translation>
    </message>
    <message>
        <source>Drag pictures to move them, their corners to resize them.</source>
        <translation>Faites glisser les images pour les déplacer, leurs coins pour les redimensionner.</translation>
    </message>
</context>
<context>
    <name>CPageEditController</name>
    <message>
        <source>Cannot Edit Pages</source>
        <translation>Impossible de modifier les pages</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow changing its pages. Open it with its permissions password to edit them.</source>
        <translation>Les autorisations du document ne permettent pas de modifier ses pages. Ouvrez-le avec son mot de passe d&apos;autorisations pour les modifier.</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; first?</source>
        <translation>Enregistrer d&apos;abord les modifications de « %1 » ?</translation>
    </message>
    <message>
        <source>Page editing starts from the saved document.</source>
        <translation>La modification des pages part du document enregistré.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save the page edits to &quot;%1&quot;?</source>
        <translation>Enregistrer les modifications de page dans « %1 » ?</translation>
    </message>
    <message>
        <source>Pages show their edits until you leave page editing.</source>
        <translation>Les pages affichent leurs modifications jusqu&apos;à ce que vous quittiez la modification des pages.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Cannot Edit the Page</source>
        <translation>Impossible de modifier la page</translation>
    </message>
    <message>
        <source>The document has no page %1.</source>
        <translation>Le document n&apos;a pas de page %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address a link can lead to.</source>
        <translation>« %1 » n&apos;est pas une adresse web vers laquelle un lien peut mener.</translation>
    </message>
    <message>
        <source>The change does not fit the page.</source>
        <translation>La modification ne correspond pas à la page.</translation>
    </message>
    <message>
        <source>The text could not be added here.</source>
        <translation>Le texte n&apos;a pas pu être ajouté ici.</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Ajouter du texte</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be read.</source>
        <translation>L&apos;image « %1 » n&apos;a pas pu être lue.</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Ajouter une image</translation>
    </message>
    <message>
        <source>Resize Picture</source>
        <translation>Redimensionner l&apos;image</translation>
    </message>
    <message>
        <source>Move Picture</source>
        <translation>Déplacer l&apos;image</translation>
    </message>
    <message>
        <source>Resize Text</source>
        <translation>Redimensionner le texte</translation>
    </message>
    <message>
        <source>Move Text</source>
        <translation>Déplacer le texte</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Supprimer le lien</translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation>Supprimer l&apos;image</translation>
    </message>
    <message>
        <source>Delete Text</source>
        <translation>Supprimer le texte</translation>
    </message>
    <message>
        <source>Add Link</source>
        <translation>Ajouter un lien</translation>
    </message>
    <message>
        <source>Change Link</source>
        <translation>Modifier le lien</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg)</source>
        <translation>Images (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>The change could not be made (%1).</source>
        <translation>La modification n&apos;a pas pu être effectuée (%1).</translation>
    </message>
</context>
<context>
    <name>CPageEditLayer</name>
    <message>
        <source>Text to add</source>
        <translation>Texte à ajouter</translation>
    </message>
    <message>
        <source>Leads nowhere</source>
        <translation>Ne mène nulle part</translation>
    </message>
    <message>
        <source>Double-click to change where it leads</source>
        <translation>Double-cliquez pour changer sa destination</translation>
    </message>
</context>
<context>
    <name>CPageView</name>
    <message>
        <source>The document&apos;s permissions do not allow copying its text.</source>
        <translation>Les autorisations du document ne permettent pas d&apos;en copier le texte.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>CPasswordBox</name>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is protected. Enter the password to open it.</source>
        <translation>«&#xa0;%1&#xa0;» est protégé. Saisissez le mot de passe pour l&apos;ouvrir.</translation>
    </message>
    <message>
        <source>Incorrect password. Please try again.</source>
        <translation>Mot de passe incorrect. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>CPdfImage</name>
    <message>
        <source>The file is not a PNG or JPEG picture.</source>
        <translation>Le fichier n&apos;est pas une image PNG ou JPEG.</translation>
    </message>
    <message>
        <source>The picture is too large or damaged.</source>
        <translation>L&apos;image est trop grande ou endommagée.</translation>
    </message>
</context>
<context>
    <name>CPdfPrinter</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cannot Print</source>
        <translation>Impression impossible</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow printing it. Open it with its permissions password to print it.</source>
        <translation>Les autorisations du document ne permettent pas de l&apos;imprimer. Ouvrez-le avec son mot de passe d&apos;autorisations pour l&apos;imprimer.</translation>
    </message>
    <message>
        <source>Failed to Print</source>
        <translation>Échec de l&apos;impression</translation>
    </message>
    <message>
        <source>No printer and no file to print to were chosen.</source>
        <translation>Aucune imprimante ni aucun fichier de sortie n&apos;a été choisi.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Preparing the pages...</source>
        <translation>Préparation des pages...</translation>
    </message>
    <message>
        <source>Sending to &quot;%1&quot;...</source>
        <translation>Envoi à « %1 »...</translation>
    </message>
    <message>
        <source>Writing &quot;%1&quot;...</source>
        <translation>Écriture de « %1 »...</translation>
    </message>
</context>
<context>
    <name>CPresentationView</name>
    <message>
        <source>Presentation</source>
        <translation>Présentation</translation>
    </message>
</context>
<context>
    <name>CPrintJob</name>
    <message>
        <source>The pages &quot;%1&quot; are not in the document.</source>
        <translation>Les pages « %1 » ne figurent pas dans le document.</translation>
    </message>
    <message>
        <source>No temporary folder could be made for the print job (%1).</source>
        <translation>Impossible de créer un dossier temporaire pour la tâche d&apos;impression (%1).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: its folder or the file does not allow changes. Print to another file.</source>
        <translation>Impossible d&apos;écrire « %1 » : son dossier ou le fichier n&apos;autorise pas les modifications. Imprimez dans un autre fichier.</translation>
    </message>
    <message>
        <source>The printing service does not answer at %1.</source>
        <translation>Le service d&apos;impression ne répond pas à l&apos;adresse %1.</translation>
    </message>
    <message>
        <source>No printer is set up (%1).</source>
        <translation>Aucune imprimante n&apos;est configurée (%1).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be found (%2).</source>
        <translation>L&apos;imprimante « %1 » est introuvable (%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job: %2</source>
        <translation>L&apos;imprimante « %1 » n&apos;a pas accepté la tâche : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the document being printed. Print to another file.</source>
        <translation>« %1 » est le document en cours d&apos;impression. Imprimez dans un autre fichier.</translation>
    </message>
</context>
<context>
    <name>CPropertiesBox</name>
    <message>
        <source>Document Properties</source>
        <translation>Propriétés du document</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Sujet</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Mots-clés</translation>
    </message>
    <message>
        <source>Creator</source>
        <translation>Créateur</translation>
    </message>
    <message>
        <source>Producer</source>
        <translation>Producteur</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Date de création</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Date de modification</translation>
    </message>
    <message>
        <source>PDF Version</source>
        <translation>Version PDF</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Page Size</source>
        <translation>Format de page</translation>
    </message>
    <message>
        <source>%1 x %2 mm</source>
        <translation>%1 x %2 mm</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Taille du fichier</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sécurité</translation>
    </message>
    <message>
        <source>Password protected</source>
        <translation>Protégé par mot de passe</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
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
        <translation>Reconnaissance de texte</translation>
    </message>
    <message>
        <source>This page</source>
        <translation>Cette page</translation>
    </message>
    <message>
        <source>All pages</source>
        <translation>Toutes les pages</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Pages :</translation>
    </message>
    <message>
        <source>Pages to recognize</source>
        <translation>Pages à reconnaître</translation>
    </message>
    <message>
        <source>e.g. 1-3, 5</source>
        <translation>ex. 1-3, 5</translation>
    </message>
    <message>
        <source>Page numbers to recognize</source>
        <translation>Numéros des pages à reconnaître</translation>
    </message>
    <message>
        <source>Languages of the text</source>
        <translation>Langues du texte</translation>
    </message>
    <message>
        <source>The languages the pages are written in</source>
        <translation>Les langues dans lesquelles les pages sont écrites</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>Reconnaître le texte</translation>
    </message>
    <message>
        <source>Recognition progress</source>
        <translation>Progression de la reconnaissance</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cancel text recognition</source>
        <translation>Annuler la reconnaissance de texte</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the text recognition bar</source>
        <translation>Fermer la barre de reconnaissance de texte</translation>
    </message>
    <message>
        <source>No language</source>
        <translation>Aucune langue</translation>
    </message>
    <message>
        <source>Recognizing text, pages done: %1 of %2</source>
        <translation>Reconnaissance du texte, pages terminées : %1 sur %2</translation>
    </message>
</context>
<context>
    <name>CRecognizeController</name>
    <message>
        <source>eng</source>
        <comment>The text recognition language of this translation, as its data file is named (ISO 639-2: deu, fra, chi_sim...)</comment>
        <translation>fra</translation>
    </message>
    <message>
        <source>No text recognition languages are installed.</source>
        <translation>Aucune langue de reconnaissance de texte n&apos;est installée.</translation>
    </message>
    <message>
        <source>This page is a scan without text. No text recognition languages are installed.</source>
        <translation>Cette page est une numérisation sans texte. Aucune langue de reconnaissance de texte n&apos;est installée.</translation>
    </message>
    <message>
        <source>This page is a scan without text.</source>
        <translation>Cette page est une numérisation sans texte.</translation>
    </message>
    <message>
        <source>This page has text already; only pages without text are recognized.</source>
        <translation>Cette page contient déjà du texte ; seules les pages sans texte sont reconnues.</translation>
    </message>
    <message>
        <source>The pages &quot;%1&quot; are not in the document.</source>
        <translation>Les pages « %1 » ne sont pas dans le document.</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>Reconnaître le texte</translation>
    </message>
    <message>
        <source>Done: the text can now be searched, selected and copied. Save to keep it.</source>
        <translation>Terminé : le texte peut maintenant être recherché, sélectionné et copié. Enregistrez pour le conserver.</translation>
    </message>
    <message>
        <source>Every page chosen has text already. Nothing was changed.</source>
        <translation>Toutes les pages choisies contiennent déjà du texte. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Text recognition was cancelled. Nothing was changed.</source>
        <translation>La reconnaissance de texte a été annulée. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Text recognition failed (%1). Nothing was changed.</source>
        <translation>La reconnaissance de texte a échoué (%1). Rien n&apos;a été modifié.</translation>
    </message>
</context>
<context>
    <name>CRenameBox</name>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The file name cannot be empty.</source>
        <translation>Le nom du fichier ne peut pas être vide.</translation>
    </message>
    <message>
        <source>A file name can&apos;t contain any of the following characters: \ / : * ? &quot; &lt; &gt; |</source>
        <translation>Un nom de fichier ne peut contenir aucun des caractères suivants&#xa0;: \ / : * ? &quot; &lt; &gt; |</translation>
    </message>
    <message>
        <source>This name cannot be used as a file name.</source>
        <translation>Ce nom ne peut pas être utilisé comme nom de fichier.</translation>
    </message>
    <message>
        <source>A file with this name already exists.</source>
        <translation>Un fichier portant ce nom existe déjà.</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Nouveau nom</translation>
    </message>
</context>
<context>
    <name>CReviewDialog</name>
    <message>
        <source>Enjoying %1?</source>
        <translation>Vous aimez %1&#xa0;?</translation>
    </message>
    <message>
        <source>Rate Now</source>
        <translation>Noter maintenant</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>Don&apos;t Ask Again</source>
        <translation>Ne plus demander</translation>
    </message>
</context>
<context>
    <name>CSavePipeline</name>
    <message>
        <source>&quot;%1&quot; was moved or deleted while it was open. Nothing was written.</source>
        <translation>« %1 » a été déplacé ou supprimé pendant qu’il était ouvert. Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program while it was open. Nothing was written; open it again to make your changes.</source>
        <translation>« %1 » a été modifié par un autre programme pendant qu’il était ouvert. Rien n’a été écrit ; rouvrez-le pour faire vos modifications.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read (%2). Nothing was written.</source>
        <translation>Impossible de lire « %1 » (%2). Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>This document was opened with its open password only. To change its protection, open it with its permissions password.</source>
        <translation>Ce document a été ouvert avec son seul mot de passe d’ouverture. Pour modifier sa protection, ouvrez-le avec son mot de passe des droits.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not allow changes. Choose another folder with Save As.</source>
        <translation>Le dossier « %1 » n’autorise pas les modifications. Choisissez un autre dossier avec Enregistrer sous.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only. Choose another file with Save As.</source>
        <translation>« %1 » est en lecture seule. Choisissez un autre fichier avec Enregistrer sous.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written (%2). The file was left as it was.</source>
        <translation>Impossible d’écrire « %1 » (%2). Le fichier est resté tel quel.</translation>
    </message>
    <message>
        <source>The changes could not be prepared for writing (%1). Nothing was written.</source>
        <translation>Les modifications n’ont pas pu être préparées pour l’écriture (%1). Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was saved but could not be opened again (%2).</source>
        <translation>« %1 » a été enregistré mais n’a pas pu être rouvert (%2).</translation>
    </message>
</context>
<context>
    <name>CSearchResultModel</name>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
</context>
<context>
    <name>CSessionKeeper</name>
    <message>
        <source>%1 did not close properly last time. Your documents have been reopened.</source>
        <translation>%1 ne s&apos;est pas fermé correctement la dernière fois. Vos documents ont été rouverts.</translation>
    </message>
    <message>
        <source>These documents could not be found and were not reopened:</source>
        <translation>Ces documents sont introuvables et n&apos;ont pas été rouverts :</translation>
    </message>
    <message>
        <source>Recover unsaved changes to %1?</source>
        <translation>Récupérer les modifications non enregistrées de %1 ?</translation>
    </message>
    <message>
        <source>The changes were kept when the document was last open. If you discard them, they cannot be brought back.</source>
        <translation>Les modifications ont été conservées lors de la dernière ouverture du document. Si vous les ignorez, elles ne pourront pas être récupérées.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Récupérer</translation>
    </message>
    <message>
        <source>Failed to Recover</source>
        <translation>Échec de la récupération</translation>
    </message>
    <message>
        <source>The unsaved changes to %1 no longer fit the file.</source>
        <translation>Les modifications non enregistrées de %1 ne correspondent plus au fichier.</translation>
    </message>
    <message>
        <source>Save as New File</source>
        <translation>Enregistrer comme nouveau fichier</translation>
    </message>
    <message>
        <source>Unsaved changes to %1 are kept</source>
        <translation>Les modifications non enregistrées de %1 sont conservées</translation>
    </message>
    <message>
        <source>The document cannot be found at &quot;%1&quot; right now. Its changes are offered again once it is back there.</source>
        <translation>Le document est introuvable à l’emplacement « %1 » pour le moment. Ses modifications seront proposées à nouveau dès qu’il y sera revenu.</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Conserver</translation>
    </message>
    <message>
        <source>The last session had more windows and tabs than are reopened at once. Documents not reopened: %1</source>
        <translation>La dernière session comptait plus de fenêtres et d’onglets que ceux rouverts en une fois. Documents non rouverts : %1</translation>
    </message>
</context>
<context>
    <name>CSidePanel</name>
    <message>
        <source>Thumbnails</source>
        <translation>Miniatures</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Signets</translation>
    </message>
    <message>
        <source>Annotations</source>
        <translation>Annotations</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Pièces jointes</translation>
    </message>
    <message>
        <source>This document has no bookmarks.</source>
        <translation>Ce document ne contient aucun signet.</translation>
    </message>
    <message>
        <source>This document has no attachments.</source>
        <translation>Ce document ne contient aucune pièce jointe.</translation>
    </message>
    <message>
        <source>Search Results</source>
        <translation>Résultats de la recherche</translation>
    </message>
    <message>
        <source>In a comment on page %1</source>
        <translation>Dans un commentaire de la page %1</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Signatures</translation>
    </message>
</context>
<context>
    <name>CSignBox</name>
    <message>
        <source>Sign Document</source>
        <translation>Signer le document</translation>
    </message>
    <message>
        <source>Sign &quot;%1&quot; with a certificate of your certificate store. The signed document is saved as a new file; this one stays as it is.</source>
        <translation>Signer « %1 » avec un certificat de votre magasin de certificats. Le document signé est enregistré dans un nouveau fichier ; celui-ci reste tel quel.</translation>
    </message>
    <message>
        <source>Certificate store password</source>
        <translation>Mot de passe du magasin de certificats</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Déverrouiller</translation>
    </message>
    <message>
        <source>Certificate:</source>
        <translation>Certificat :</translation>
    </message>
    <message>
        <source>Certificate</source>
        <translation>Certificat</translation>
    </message>
    <message>
        <source>Your certificate store has no certificate to sign with. Import one from a PKCS#12 file (.p12, .pfx).</source>
        <translation>Votre magasin de certificats ne contient aucun certificat pour signer. Importez-en un depuis un fichier PKCS#12 (.p12, .pfx).</translation>
    </message>
    <message>
        <source>Import Certificate...</source>
        <translation>Importer un certificat...</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>For example: I approve this document</source>
        <translation>Par exemple : j&apos;approuve ce document</translation>
    </message>
    <message>
        <source>Reason:</source>
        <translation>Motif :</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Lieu :</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Optional: a PNG or JPEG shown in the signature</source>
        <translation>Facultatif : une image PNG ou JPEG affichée dans la signature</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir...</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Choisir une image</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Image :</translation>
    </message>
    <message>
        <source>Sign and Save As...</source>
        <translation>Signer et enregistrer sous...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Issued by %1, valid from %2 to %3</source>
        <translation>Émis par %1, valable du %2 au %3</translation>
    </message>
    <message>
        <source>Key usage: %1</source>
        <translation>Utilisation de la clé : %1</translation>
    </message>
    <message>
        <source>This is not the password of your certificate store.</source>
        <translation>Ce n&apos;est pas le mot de passe de votre magasin de certificats.</translation>
    </message>
    <message>
        <source>Import Certificate</source>
        <translation>Importer un certificat</translation>
    </message>
    <message>
        <source>Certificate Files (*.p12 *.pfx)</source>
        <translation>Fichiers de certificat (*.p12 *.pfx)</translation>
    </message>
    <message>
        <source>Password of the certificate file:</source>
        <translation>Mot de passe du fichier de certificat :</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Choisir une image</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg)</source>
        <translation>Images (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Choose a certificate to sign with, or import one.</source>
        <translation>Choisissez un certificat pour signer, ou importez-en un.</translation>
    </message>
    <message>
        <source>The picture must be a PNG or JPEG file.</source>
        <translation>L&apos;image doit être un fichier PNG ou JPEG.</translation>
    </message>
</context>
<context>
    <name>CSignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>nom@example.com</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CSignatureBar</name>
    <message>
        <source>Signatures</source>
        <translation>Signatures</translation>
    </message>
    <message>
        <source>Sign Document</source>
        <translation>Signer le document</translation>
    </message>
    <message>
        <source>Signature Panel</source>
        <translation>Panneau des signatures</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the signature bar</source>
        <translation>Fermer la barre des signatures</translation>
    </message>
    <message>
        <source>an unknown signer</source>
        <translation>un signataire inconnu</translation>
    </message>
    <message>
        <source>Signed by %1, every signature is valid.</source>
        <translation>Signé par %1 ; toutes les signatures sont valides.</translation>
    </message>
    <message>
        <source>Signed by %1, the signature is valid.</source>
        <translation>Signé par %1 ; la signature est valide.</translation>
    </message>
    <message>
        <source>Signed by %1; the document was changed after %2 signed it.</source>
        <translation>Signé par %1 ; le document a été modifié après la signature de %2.</translation>
    </message>
    <message>
        <source>Signed by %1, the document was changed after signing.</source>
        <translation>Signé par %1 ; le document a été modifié après la signature.</translation>
    </message>
    <message>
        <source>Signed by %1; the certificate of %2 is not trusted.</source>
        <translation>Signé par %1 ; le certificat de %2 n&apos;est pas approuvé.</translation>
    </message>
    <message>
        <source>Signed by %1, the certificate is not trusted.</source>
        <translation>Signé par %1 ; le certificat n&apos;est pas approuvé.</translation>
    </message>
    <message>
        <source>Signed by %1; the signature of %2 is not valid.</source>
        <translation>Signé par %1 ; la signature de %2 n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Signed by %1, the signature is not valid.</source>
        <translation>Signé par %1 ; la signature n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Signed by %1; the signature of %2 cannot be checked.</source>
        <translation>Signé par %1 ; la signature de %2 ne peut pas être vérifiée.</translation>
    </message>
    <message>
        <source>Signed by %1, the signature cannot be checked.</source>
        <translation>Signé par %1 ; la signature ne peut pas être vérifiée.</translation>
    </message>
    <message>
        <source>This document has a signature field waiting to be signed.</source>
        <translation>Ce document contient un champ de signature en attente de signature.</translation>
    </message>
    <message>
        <source>The signatures cannot be checked: the file changed since it was opened.</source>
        <translation>Les signatures ne peuvent pas être vérifiées : le fichier a changé depuis son ouverture.</translation>
    </message>
    <message>
        <source>Drag a box on a page for the signature, or click an empty signature field. Enter places it on the current page; Esc cancels.</source>
        <translation>Tracez un cadre sur une page pour la signature, ou cliquez sur un champ de signature vide. Entrée la place sur la page actuelle ; Échap annule.</translation>
    </message>
</context>
<context>
    <name>CSignatureController</name>
    <message>
        <source>Failed to Sign</source>
        <translation>Échec de la signature</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>Échec de l&apos;ouverture</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; before signing?</source>
        <translation>Enregistrer les modifications de « %1 » avant de signer ?</translation>
    </message>
    <message>
        <source>A signature covers the document as it is saved.</source>
        <translation>Une signature porte sur le document tel qu&apos;il est enregistré.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save Signed Document</source>
        <translation>Enregistrer le document signé</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Digitally signed by %1</source>
        <translation>Signé numériquement par %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Date : %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motif : %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>Lieu : %1</translation>
    </message>
    <message>
        <source>%1 (as signed by %2).pdf</source>
        <translation>%1 (tel que signé par %2).pdf</translation>
    </message>
    <message>
        <source>unknown signer</source>
        <translation>signataire inconnu</translation>
    </message>
</context>
<context>
    <name>CSignaturePanel</name>
    <message>
        <source>Signatures</source>
        <translation>Signatures</translation>
    </message>
    <message>
        <source>Open Signed Version</source>
        <translation>Ouvrir la version signée</translation>
    </message>
    <message>
        <source>Opens the document as it was when the selected signature was made, in a new tab.</source>
        <translation>Ouvre dans un nouvel onglet le document tel qu&apos;il était lors de la signature sélectionnée.</translation>
    </message>
    <message>
        <source>Sign Document</source>
        <translation>Signer le document</translation>
    </message>
    <message>
        <source>The signature is valid.</source>
        <translation>La signature est valide.</translation>
    </message>
    <message>
        <source>The signature cannot be checked.</source>
        <translation>La signature ne peut pas être vérifiée.</translation>
    </message>
    <message>
        <source>The signature is intact, but the certificate is not trusted.</source>
        <translation>La signature est intacte, mais le certificat n&apos;est pas approuvé.</translation>
    </message>
    <message>
        <source>The document was changed after signing.</source>
        <translation>Le document a été modifié après la signature.</translation>
    </message>
    <message>
        <source>The signature is not valid.</source>
        <translation>La signature n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Not signed yet.</source>
        <translation>Pas encore signé.</translation>
    </message>
    <message>
        <source>The certificate is trusted.</source>
        <translation>Le certificat est approuvé.</translation>
    </message>
    <message>
        <source>Its issuer is marked as not trusted.</source>
        <translation>Son émetteur est marqué comme non approuvé.</translation>
    </message>
    <message>
        <source>Its issuer is not among the trusted certificates of this computer.</source>
        <translation>Son émetteur ne fait pas partie des certificats approuvés de cet ordinateur.</translation>
    </message>
    <message>
        <source>The certificate was revoked by its issuer.</source>
        <translation>Le certificat a été révoqué par son émetteur.</translation>
    </message>
    <message>
        <source>The certificate was not valid at the time of signing.</source>
        <translation>Le certificat n&apos;était pas valide au moment de la signature.</translation>
    </message>
    <message>
        <source>The certificate could not be checked.</source>
        <translation>Le certificat n&apos;a pas pu être vérifié.</translation>
    </message>
    <message>
        <source>Checking the signatures...</source>
        <translation>Vérification des signatures...</translation>
    </message>
    <message>
        <source>This document has no signatures.</source>
        <translation>Ce document ne contient aucune signature.</translation>
    </message>
    <message>
        <source>Unknown signer</source>
        <translation>Signataire inconnu</translation>
    </message>
    <message>
        <source>Empty signature field %1</source>
        <translation>Champ de signature vide %1</translation>
    </message>
    <message>
        <source>Field &quot;%1&quot; on page %2</source>
        <translation>Champ « %1 » en page %2</translation>
    </message>
    <message>
        <source>On page %1</source>
        <translation>Sur la page %1</translation>
    </message>
    <message>
        <source>Signed on %1</source>
        <translation>Signé le %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motif : %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>Lieu : %1</translation>
    </message>
    <message>
        <source>Covers the whole document.</source>
        <translation>Porte sur tout le document.</translation>
    </message>
    <message>
        <source>Covers an earlier revision of the document (its first %1 bytes); later changes are not signed.</source>
        <translation>Porte sur une révision antérieure du document (ses %1 premiers octets) ; les modifications ultérieures ne sont pas signées.</translation>
    </message>
    <message>
        <source>Certificate issued by %1</source>
        <translation>Certificat émis par %1</translation>
    </message>
    <message>
        <source>The certificate is self-signed.</source>
        <translation>Le certificat est auto-signé.</translation>
    </message>
    <message>
        <source>Certificate valid from %1 to %2</source>
        <translation>Certificat valable du %1 au %2</translation>
    </message>
    <message>
        <source>Key usage: %1</source>
        <translation>Utilisation de la clé : %1</translation>
    </message>
    <message>
        <source>Subject: %1</source>
        <translation>Titulaire : %1</translation>
    </message>
    <message>
        <source>Serial number: %1</source>
        <translation>Numéro de série : %1</translation>
    </message>
</context>
<context>
    <name>CSignatures</name>
    <message>
        <source>The signed document must be saved as a new file; the original stays as it is.</source>
        <translation>Le document signé doit être enregistré dans un nouveau fichier ; l&apos;original reste tel quel.</translation>
    </message>
    <message>
        <source>Choose a certificate to sign with.</source>
        <translation>Choisissez un certificat pour signer.</translation>
    </message>
    <message>
        <source>The document could not be read.</source>
        <translation>Le document n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>The folder of the new file does not allow writing.</source>
        <translation>Le dossier du nouveau fichier n&apos;autorise pas l&apos;écriture.</translation>
    </message>
    <message>
        <source>The document could not be signed: there is no room for a temporary file.</source>
        <translation>Le document n&apos;a pas pu être signé : il n&apos;y a pas de place pour un fichier temporaire.</translation>
    </message>
    <message>
        <source>The document has no signature field of this name.</source>
        <translation>Le document ne contient aucun champ de signature de ce nom.</translation>
    </message>
    <message>
        <source>This signature field is signed already.</source>
        <translation>Ce champ de signature est déjà signé.</translation>
    </message>
    <message>
        <source>Draw the place of the signature on a page first.</source>
        <translation>Tracez d&apos;abord l&apos;emplacement de la signature sur une page.</translation>
    </message>
    <message>
        <source>The document could not be signed with this certificate. Its key may be missing from the store, or the store may be locked.</source>
        <translation>Le document n&apos;a pas pu être signé avec ce certificat. Sa clé est peut-être absente du magasin, ou le magasin est verrouillé.</translation>
    </message>
    <message>
        <source>The signed document could not be written to %1.</source>
        <translation>Le document signé n&apos;a pas pu être écrit dans %1.</translation>
    </message>
    <message>
        <source>The signed version is no longer in the file.</source>
        <translation>La version signée n&apos;est plus dans le fichier.</translation>
    </message>
    <message>
        <source>The signed version could not be written to %1.</source>
        <translation>La version signée n&apos;a pas pu être écrite dans %1.</translation>
    </message>
</context>
<context>
    <name>CSplitBox</name>
    <message>
        <source>Split Document</source>
        <translation>Diviser le document</translation>
    </message>
    <message>
        <source>Pages per file:</source>
        <translation>Pages par fichier :</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Diviser</translation>
    </message>
    <message>
        <source>The %1 pages become %2 files.</source>
        <translation>Les %1 pages deviennent %2 fichiers.</translation>
    </message>
</context>
<context>
    <name>CTabBar</name>
    <message>
        <source>Close Tab</source>
        <translation>Fermer l&apos;onglet</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documents</translation>
    </message>
</context>
<context>
    <name>CTabListWidget</name>
    <message>
        <source>Open Tabs</source>
        <translation>Onglets ouverts</translation>
    </message>
</context>
<context>
    <name>CTextOverlay</name>
    <message>
        <source>The text is too long: at most %1 characters can be added at once.</source>
        <translation>Le texte est trop long : au plus %1 caractères peuvent être ajoutés à la fois.</translation>
    </message>
    <message>
        <source>The text must start on the page.</source>
        <translation>Le texte doit commencer sur la page.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; is not installed.</source>
        <translation>La police « %1 » n&apos;est pas installée.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; has no character for &quot;%2&quot;. Choose a font that has it.</source>
        <translation>La police « %1 » n&apos;a pas de caractère pour « %2 ». Choisissez une police qui l&apos;a.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; cannot be embedded in a document. Choose another font.</source>
        <translation>La police « %1 » ne peut pas être incorporée dans un document. Choisissez une autre police.</translation>
    </message>
</context>
<context>
    <name>CTextRecognizer</name>
    <message>
        <source>no text recognition languages are installed</source>
        <translation>aucune langue de reconnaissance de texte n&apos;est installée</translation>
    </message>
    <message>
        <source>no language data for &quot;%1&quot; is installed</source>
        <translation>aucune donnée de langue n&apos;est installée pour « %1 »</translation>
    </message>
    <message>
        <source>no language chosen</source>
        <translation>aucune langue choisie</translation>
    </message>
    <message>
        <source>the language data could not be read</source>
        <translation>les données de langue n&apos;ont pas pu être lues</translation>
    </message>
    <message>
        <source>no picture to read</source>
        <translation>aucune image à lire</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>the picture could not be read</source>
        <translation>l&apos;image n&apos;a pas pu être lue</translation>
    </message>
    <message>
        <source>the text could not be written</source>
        <translation>le texte n&apos;a pas pu être écrit</translation>
    </message>
</context>
<context>
    <name>CUpdateDialog</name>
    <message>
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>You are using version %1.</source>
        <translation>Vous utilisez la version %1.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Recherche de mises à jour...</translation>
    </message>
    <message>
        <source>%1 is up to date.</source>
        <translation>%1 est à jour.</translation>
    </message>
    <message>
        <source>A new version %1 is available.</source>
        <translation>Une nouvelle version %1 est disponible.</translation>
    </message>
    <message>
        <source>Could not reach the update service. Please check your connection and try again.</source>
        <translation>Impossible de joindre le service de mise à jour. Vérifiez votre connexion et réessayez.</translation>
    </message>
</context>
<context>
    <name>CWindowTitleBar</name>
    <message>
        <source>Main Menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>DisplayOption</name>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Default Page View</source>
        <translation>Affichage de page par défaut</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Taille réelle</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ajuster à la page</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Ajuster à la largeur</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>Ajuster à la hauteur</translation>
    </message>
    <message>
        <source>Default Page Layout</source>
        <translation>Disposition de page par défaut</translation>
    </message>
    <message>
        <source>Single Page View</source>
        <translation>Une page</translation>
    </message>
    <message>
        <source>Single Page Scrolling</source>
        <translation>Une page en continu</translation>
    </message>
    <message>
        <source>Two Page View</source>
        <translation>Deux pages</translation>
    </message>
    <message>
        <source>Two Page Scrolling</source>
        <translation>Deux pages en continu</translation>
    </message>
    <message>
        <source>Default Cursor</source>
        <translation>Curseur par défaut</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Main</translation>
    </message>
</context>
<context>
    <name>DocumentMenu</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Open Recents</source>
        <translation>Ouvrir un fichier récent</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>Créer un PDF</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>Fermer l&apos;onglet</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Close All Windows</source>
        <translation>Fermer toutes les fenêtres</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Open File Location</source>
        <translation>Ouvrir l&apos;emplacement du fichier</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Document Properties</source>
        <translation>Propriétés du document</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Mode d&apos;affichage</translation>
    </message>
    <message>
        <source>Single Page View</source>
        <translation>Une page</translation>
    </message>
    <message>
        <source>Single Page Scrolling</source>
        <translation>Une page en continu</translation>
    </message>
    <message>
        <source>Two Page View</source>
        <translation>Deux pages</translation>
    </message>
    <message>
        <source>Two Page Scrolling</source>
        <translation>Deux pages en continu</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Miniatures</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Signets</translation>
    </message>
    <message>
        <source>Annotations</source>
        <translation>Annotations</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Pièces jointes</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Taille réelle</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ajuster à la page</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Ajuster à la largeur</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>Ajuster à la hauteur</translation>
    </message>
    <message>
        <source>Enter Read Mode</source>
        <translation>Passer en mode lecture</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Aller</translation>
    </message>
    <message>
        <source>First Page</source>
        <translation>Première page</translation>
    </message>
    <message>
        <source>Last Page</source>
        <translation>Dernière page</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Vers le haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Vers le bas</translation>
    </message>
    <message>
        <source>Go to Page</source>
        <translation>Aller à la page</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Move Window to Left Side of Screen</source>
        <translation>Placer la fenêtre à gauche de l&apos;écran</translation>
    </message>
    <message>
        <source>Move Window to Right Side of Screen</source>
        <translation>Placer la fenêtre à droite de l&apos;écran</translation>
    </message>
    <message>
        <source>Replace Tiled Window</source>
        <translation>Remplacer la fenêtre juxtaposée</translation>
    </message>
    <message>
        <source>Show Next Tab</source>
        <translation>Afficher l&apos;onglet suivant</translation>
    </message>
    <message>
        <source>Show Previous Tab</source>
        <translation>Afficher l&apos;onglet précédent</translation>
    </message>
    <message>
        <source>Move Tab to New Window</source>
        <translation>Déplacer l&apos;onglet dans une nouvelle fenêtre</translation>
    </message>
    <message>
        <source>Bring All to Front</source>
        <translation>Tout ramener au premier plan</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Open in New Window</source>
        <translation>Ouvrir dans une nouvelle fenêtre</translation>
    </message>
    <message>
        <source>Close Other Tabs</source>
        <translation>Fermer les autres onglets</translation>
    </message>
    <message>
        <source>Close All Tabs</source>
        <translation>Fermer tous les onglets</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Follow System</source>
        <translation>Suivre le système</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Create Desktop Shortcut</source>
        <translation>Créer un raccourci sur le bureau</translation>
    </message>
    <message>
        <source>Set as Default</source>
        <translation>Définir par défaut</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>FAQ</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Envoyer des commentaires</translation>
    </message>
    <message>
        <source>Support Center</source>
        <translation>Centre d&apos;assistance</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Protect</source>
        <translation>Protéger</translation>
    </message>
    <message>
        <source>Organize Pages</source>
        <translation>Organiser les pages</translation>
    </message>
    <message>
        <source>Page Colours</source>
        <translation>Couleurs des pages</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Sépia</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>Contraste élevé</translation>
    </message>
    <message>
        <source>Dark Pages with the Dark Appearance</source>
        <translation>Pages sombres avec l&apos;apparence sombre</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commenter</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Faire pivoter à gauche</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Faire pivoter à droite</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>Présentation</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Leave Read Mode</source>
        <translation>Quitter le mode lecture</translation>
    </message>
    <message>
        <source>Sign Document...</source>
        <translation>Signer le document...</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Signatures</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>Reconnaître le texte</translation>
    </message>
    <message>
        <source>Edit Page Content</source>
        <translation>Modifier le contenu de la page</translation>
    </message>
</context>
<context>
    <name>GeneralOption</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Set %1 as default PDF reader</source>
        <translation>Définir %1 comme lecteur PDF par défaut</translation>
    </message>
    <message>
        <source>Quit program when all windows are closed</source>
        <translation>Quitter le programme à la fermeture de toutes les fenêtres</translation>
    </message>
    <message>
        <source>Restore last view settings when reopening documents</source>
        <translation>Restaurer les derniers paramètres d&apos;affichage à la réouverture des documents</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Display Language</source>
        <translation>Langue d&apos;affichage</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Follow System</source>
        <translation>Suivre le système</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Reopen documents from last time</source>
        <translation>Rouvrir les documents de la dernière fois</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Open PDF</source>
        <translation>Ouvrir un PDF</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>Créer un PDF</translation>
    </message>
    <message>
        <source>Popular Tools</source>
        <translation>Outils populaires</translation>
    </message>
    <message>
        <source>Edit PDF</source>
        <translation>Modifier un PDF</translation>
    </message>
    <message>
        <source>Print PDF</source>
        <translation>Imprimer un PDF</translation>
    </message>
    <message>
        <source>Organize PDFs</source>
        <translation>Organiser des PDF</translation>
    </message>
    <message>
        <source>Encrypt PDF</source>
        <translation>Chiffrer un PDF</translation>
    </message>
    <message>
        <source>Edit text, images and links in your PDF effortlessly</source>
        <translation>Modifiez facilement le texte, les images et les liens de vos PDF</translation>
    </message>
    <message>
        <source>Create a Blank Page PDF in a second</source>
        <translation>Créez un PDF vierge en un instant</translation>
    </message>
    <message>
        <source>Print your PDF document quickly and easily</source>
        <translation>Imprimez vos documents PDF rapidement et facilement</translation>
    </message>
    <message>
        <source>Simply sort, add, delete PDF pages and etc.</source>
        <translation>Triez, ajoutez ou supprimez des pages PDF en toute simplicité, et plus encore</translation>
    </message>
    <message>
        <source>Password protect your PDF from unauthorized access</source>
        <translation>Protégez vos PDF par mot de passe contre les accès non autorisés</translation>
    </message>
    <message>
        <source>You&apos;ve gone Incognito</source>
        <translation>Vous êtes en mode incognito</translation>
    </message>
    <message>
        <source>The history of the files you have viewed will not be saved.</source>
        <translation>L&apos;historique des fichiers que vous consultez ne sera pas enregistré.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Add text, pictures and links to pages; move, resize or delete pictures; change where links lead. Text that is already on a page cannot be changed.</source>
        <translation>Ajoutez du texte, des images et des liens aux pages ; déplacez, redimensionnez ou supprimez des images ; changez la destination des liens. Le texte déjà présent sur une page ne peut pas être modifié.</translation>
    </message>
</context>
<context>
    <name>LogGuidBox</name>
    <message>
        <source>Log In Your Marvik Account</source>
        <translation>Connectez-vous à votre compte Marvik</translation>
    </message>
    <message>
        <source>Work across desktop &amp; mobile</source>
        <translation>Travaillez sur ordinateur et mobile</translation>
    </message>
    <message>
        <source>Support multiple languages</source>
        <translation>Prise en charge de plusieurs langues</translation>
    </message>
    <message>
        <source>Free customer support</source>
        <translation>Assistance client gratuite</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Se connecter</translation>
    </message>
</context>
<context>
    <name>MKMainWindow</name>
    <message>
        <source>Version: %1</source>
        <translation>Version&#xa0;: %1</translation>
    </message>
    <message>
        <source>System: %1</source>
        <translation>Système&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 %2 feedback</source>
        <translation>Commentaires sur %1 %2</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>Connecté en tant que %1</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>MKMessageBox</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Impossible de renommer le fichier. Il est peut-être en cours d&apos;utilisation, ou le dossier n&apos;autorise pas les modifications.</translation>
    </message>
    <message>
        <source>Failed to Rename</source>
        <translation>Échec du renommage</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>Échec de l&apos;ouverture</translation>
    </message>
    <message>
        <source>The attachment could not be read from the document.</source>
        <translation>Impossible de lire la pièce jointe dans le document.</translation>
    </message>
    <message>
        <source>The attachment could not be saved.</source>
        <translation>Impossible d&apos;enregistrer la pièce jointe.</translation>
    </message>
    <message>
        <source>Do you want to save changes to &quot;%1&quot; before closing?</source>
        <translation>Voulez-vous enregistrer les modifications apportées à «&#xa0;%1&#xa0;» avant de fermer&#xa0;?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don&apos;t save them.</source>
        <translation>Vos modifications seront perdues si vous ne les enregistrez pas.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cannot Organize Pages</source>
        <translation>Impossible d’organiser les pages</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow changing its pages. Open it with its permissions password to organize it.</source>
        <translation>Les droits du document ne permettent pas de modifier ses pages. Ouvrez-le avec son mot de passe des droits pour l’organiser.</translation>
    </message>
    <message>
        <source>Save the page changes to &quot;%1&quot;?</source>
        <translation>Enregistrer les modifications de pages dans « %1 » ?</translation>
    </message>
    <message>
        <source>The reading view shows the pages once they are saved.</source>
        <translation>La vue de lecture montre les pages une fois enregistrées.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>The file might have been moved, damaged, or deleted.</source>
        <translation>Le fichier a peut-être été déplacé, endommagé ou supprimé.</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Startup Page</source>
        <translation>Page de démarrage</translation>
    </message>
    <message>
        <source>Open PDF</source>
        <translation>Ouvrir un PDF</translation>
    </message>
    <message>
        <source>Open Tabs</source>
        <translation>Onglets ouverts</translation>
    </message>
    <message>
        <source>Shortcut already exists.</source>
        <translation>Le raccourci existe déjà.</translation>
    </message>
    <message>
        <source>Shortcut successfully created!</source>
        <translation>Raccourci créé avec succès&#xa0;!</translation>
    </message>
    <message>
        <source>Failed to create shortcuts.</source>
        <translation>Impossible de créer les raccourcis.</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>Échec de l&apos;ouverture</translation>
    </message>
    <message>
        <source>Failed to Create PDF</source>
        <translation>Échec de la création du PDF</translation>
    </message>
    <message>
        <source>The new document could not be written to &quot;%1&quot;. Check that the folder exists and that you may write there.</source>
        <translation>Impossible d&apos;écrire le nouveau document dans «&#xa0;%1&#xa0;». Vérifiez que le dossier existe et que vous disposez des droits d&apos;écriture.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Do you want to close all tabs or the current tab?</source>
        <translation>Voulez-vous fermer tous les onglets ou seulement l&apos;onglet actif&#xa0;?</translation>
    </message>
    <message>
        <source>Always close all tabs</source>
        <translation>Toujours fermer tous les onglets</translation>
    </message>
    <message>
        <source>Close Current Tab</source>
        <translation>Fermer l&apos;onglet actif</translation>
    </message>
    <message>
        <source>Close All Tabs</source>
        <translation>Fermer tous les onglets</translation>
    </message>
    <message>
        <source>Do you want to set %1 as your default PDF viewer?</source>
        <translation>Voulez-vous définir %1 comme lecteur PDF par défaut&#xa0;?</translation>
    </message>
    <message>
        <source>Don&apos;t show again</source>
        <translation>Ne plus afficher</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is an address on the network, not a file on this computer. Save the document, then open the saved file.</source>
        <translation>« %1 » est une adresse sur le réseau, pas un fichier de cet ordinateur. Enregistrez le document, puis ouvrez le fichier enregistré.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found. It may have been moved, renamed or deleted.</source>
        <translation>« %1 » est introuvable. Il a peut-être été déplacé, renommé ou supprimé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a PDF document.</source>
        <translation>« %1 » est un dossier, pas un document PDF.</translation>
    </message>
    <message>
        <source>You do not have permission to read &quot;%1&quot;.</source>
        <translation>Vous n’avez pas l’autorisation de lire « %1 ».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a PDF document, or it is too damaged to be recognised as one.</source>
        <translation>« %1 » n’est pas un document PDF, ou il est trop endommagé pour être reconnu comme tel.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a PDF document but a file of another kind (%2).</source>
        <translation>« %1 » n’est pas un document PDF mais un fichier d’un autre type (%2).</translation>
    </message>
</context>
<context>
    <name>PrivacyOption</name>
    <message>
        <source>Privacy</source>
        <translation>Confidentialité</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics</source>
        <translation>Envoyer des statistiques d&apos;utilisation anonymes</translation>
    </message>
    <message>
        <source>Send crash reports</source>
        <translation>Envoyer les rapports de plantage</translation>
    </message>
    <message>
        <source>Usage statistics count how often %1 starts and which features are used; a crash report holds what the program was doing when it crashed and the end of its log. Neither holds the names or content of your documents, and nothing is sent unless you tick it here.</source>
        <translation>Les statistiques d&apos;utilisation comptent combien de fois %1 démarre et quelles fonctions sont utilisées ; un rapport de plantage contient ce que faisait le programme au moment du plantage et la fin de son journal. Aucun des deux ne contient le nom ou le contenu de vos documents, et rien n&apos;est envoyé sans que vous le cochiez ici.</translation>
    </message>
</context>
<context>
    <name>QWKDialogBar</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>RecentPage</name>
    <message>
        <source>Recents</source>
        <translation>Récents</translation>
    </message>
    <message>
        <source>Incognito Mode</source>
        <translation>Mode incognito</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Grid View</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Files you have recently viewed or worked with will be listed here</source>
        <translation>Les fichiers que vous avez récemment consultés ou modifiés s&apos;afficheront ici</translation>
    </message>
    <message>
        <source>Open PDF</source>
        <translation>Ouvrir un PDF</translation>
    </message>
    <message>
        <source>Are you sure to clear all the records?</source>
        <translation>Voulez-vous vraiment effacer tout l&apos;historique&#xa0;?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Fichiers récents</translation>
    </message>
</context>
<context>
    <name>ReportConsent</name>
    <message>
        <source>Help Improve %1</source>
        <translation>Aidez à améliorer %1</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics and crash reports?</source>
        <translation>Envoyer des statistiques d&apos;utilisation anonymes et des rapports de plantage ?</translation>
    </message>
    <message>
        <source>They tell how often %1 starts and what made it crash, never which documents you open or anything about you. You can change this at any time in Preferences.</source>
        <translation>Ils indiquent combien de fois %1 démarre et ce qui l&apos;a fait planter, jamais quels documents vous ouvrez ni quoi que ce soit sur vous. Vous pouvez modifier ce choix à tout moment dans les Préférences.</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
</context>
<context>
    <name>SettingOption</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Blank PDF</source>
        <translation>PDF vierge</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Confidentialité</translation>
    </message>
</context>
</TS>
