<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AssocGuidBox</name>
    <message>
        <source>Two Steps to Set %1 as the Default PDF Viewer</source>
        <translation>Dos pasos para establecer %1 como visor de PDF predeterminado</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Paso 1</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Paso 2</translation>
    </message>
    <message>
        <source>Click %1 below, then click %2 in the pop-up.</source>
        <translation>Haga clic en %1 abajo y, a continuación, en %2 en la ventana emergente.</translation>
    </message>
    <message>
        <source>Set as Default</source>
        <translation>Establecer como predeterminado</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Select %1 from the list, then click %2 to apply changes.</source>
        <translation>Seleccione %1 en la lista y, a continuación, haga clic en %2 para aplicar los cambios.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>BlankOption</name>
    <message>
        <source>Blank PDF</source>
        <translation>PDF en blanco</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Page Size</source>
        <translation>Tamaño de página</translation>
    </message>
    <message>
        <source>Fixed Size</source>
        <translation>Tamaño fijo</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientación</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Lock aspect ratio</source>
        <translation>Bloquear relación de aspecto</translation>
    </message>
    <message>
        <source>Unlock aspect ration</source>
        <translation>Desbloquear relación de aspecto</translation>
    </message>
    <message>
        <source>Keep Aspect Ratio</source>
        <translation>Mantener proporción</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
</context>
<context>
    <name>CAboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>%1 is a tabbed PDF reader for the desktop.</source>
        <translation>%1 es un lector de PDF con pestañas para escritorio.</translation>
    </message>
    <message>
        <source>This application uses open-source libraries, each under its own license.</source>
        <translation>Esta aplicación utiliza bibliotecas de código abierto, cada una con su propia licencia.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>CAnnotationLayer</name>
    <message>
        <source>Add %1</source>
        <translation>Añadir %1</translation>
    </message>
    <message>
        <source>Delete Comment</source>
        <translation>Eliminar comentario</translation>
    </message>
    <message>
        <source>Edit Comment Text</source>
        <translation>Editar texto del comentario</translation>
    </message>
    <message>
        <source>Erase Comments</source>
        <translation>Borrar comentarios</translation>
    </message>
    <message>
        <source>Move Comment</source>
        <translation>Mover comentario</translation>
    </message>
    <message>
        <source>Resize Comment</source>
        <translation>Cambiar tamaño del comentario</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Change Comment Color</source>
        <translation>Cambiar color del comentario</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
</context>
<context>
    <name>CAnnotationPanel</name>
    <message>
        <source>Page %1 (%2)</source>
        <translation>Página %1 (%2)</translation>
    </message>
    <message>
        <source>This document has no annotations.</source>
        <translation>Este documento no tiene anotaciones.</translation>
    </message>
</context>
<context>
    <name>CChangeWatcher</name>
    <message>
        <source>Document Changed</source>
        <translation>Documento modificado</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>Otro programa ha modificado «%1». ¿Volver a cargarlo y perder los cambios no guardados?</translation>
    </message>
    <message>
        <source>Keep My Version</source>
        <translation>Conservar mi versión</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Volver a cargar</translation>
    </message>
</context>
<context>
    <name>CClearEdit</name>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>CCommentController</name>
    <message>
        <source>Change Comment Color</source>
        <translation>Cambiar color del comentario</translation>
    </message>
    <message>
        <source>Change Comment Opacity</source>
        <translation>Cambiar opacidad del comentario</translation>
    </message>
    <message>
        <source>Change Line Width</source>
        <translation>Cambiar grosor de línea</translation>
    </message>
    <message>
        <source>Change Font Size</source>
        <translation>Cambiar tamaño de fuente</translation>
    </message>
    <message>
        <source>Cannot Add Comments</source>
        <translation>No se pueden añadir comentarios</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow adding comments.</source>
        <translation>Los permisos del documento no permiten añadir comentarios.</translation>
    </message>
</context>
<context>
    <name>CCommentOptions</name>
    <message>
        <source>Highlight</source>
        <translation>Resaltar</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Subrayar</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Tachar</translation>
    </message>
    <message>
        <source>Squiggly</source>
        <translation>Subrayado ondulado</translation>
    </message>
    <message>
        <source>Sticky Note</source>
        <translation>Nota adhesiva</translation>
    </message>
    <message>
        <source>Text Box</source>
        <translation>Cuadro de texto</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Lápiz</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Elipse</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Flecha</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Borrador</translation>
    </message>
</context>
<context>
    <name>CCommentToolBar</name>
    <message>
        <source>Select Comments</source>
        <translation>Seleccionar comentarios</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>Más colores...</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidad</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Grosor</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>Grosor de línea</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Tamaño de fuente</translation>
    </message>
    <message>
        <source>Close Comment Tools</source>
        <translation>Cerrar herramientas de comentario</translation>
    </message>
</context>
<context>
    <name>CDocumentSaver</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Failed to Save</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>Cannot Change Protection</source>
        <translation>No se puede cambiar la protección</translation>
    </message>
    <message>
        <source>Replace &quot;%1&quot; with the protected version?</source>
        <translation>¿Reemplazar &quot;%1&quot; por la versión protegida?</translation>
    </message>
    <message>
        <source>The file will need the password to open from now on.</source>
        <translation>A partir de ahora el archivo necesitará la contraseña para abrirse.</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Save as New File</source>
        <translation>Guardar como archivo nuevo</translation>
    </message>
    <message>
        <source>Remove the password from &quot;%1&quot;?</source>
        <translation>¿Quitar la contraseña de &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Anyone will be able to open the file.</source>
        <translation>Cualquiera podrá abrir el archivo.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Saving will break the signatures of &quot;%1&quot;.</source>
        <translation>Al guardar, las firmas de «%1» dejarán de ser válidas.</translation>
    </message>
    <message>
        <source>Changed pages or protection rewrite the whole file, and the signatures in it will no longer be valid. Save as a new file to keep the signed original.</source>
        <translation>Las páginas o la protección modificadas reescriben todo el archivo, y sus firmas dejarán de ser válidas. Guarde como un archivo nuevo para conservar el original firmado.</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>Guardar de todos modos</translation>
    </message>
</context>
<context>
    <name>CDocumentToolBar</name>
    <message>
        <source>Thumbnails</source>
        <translation>Miniaturas</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Buscar (Ctrl+F)</translation>
    </message>
    <message>
        <source>Organize Pages</source>
        <translation>Organizar páginas</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Tamaño real</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ajustar a la página</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Ajustar al ancho</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>Ajustar al alto</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Enter Read Mode</source>
        <translation>Entrar en modo lectura</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentar</translation>
    </message>
    <message>
        <source>This document does not allow comments</source>
        <translation>Este documento no permite comentarios</translation>
    </message>
    <message>
        <source>Page Number</source>
        <translation>Número de página</translation>
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
        <translation>Recuperar cambios</translation>
    </message>
</context>
<context>
    <name>CEditSession</name>
    <message>
        <source>Restore Page Changes</source>
        <translation>Restaurar cambios de páginas</translation>
    </message>
    <message>
        <source>Restore Recognized Text</source>
        <translation>Restaurar texto reconocido</translation>
    </message>
    <message>
        <source>Restore Page Edits</source>
        <translation>Restaurar ediciones de página</translation>
    </message>
</context>
<context>
    <name>CEncryptBox</name>
    <message>
        <source>Encrypt PDF</source>
        <translation>Cifrar PDF</translation>
    </message>
    <message>
        <source>Set a password that is needed to open &quot;%1&quot;.</source>
        <translation>Establezca una contraseña necesaria para abrir &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Open password:</source>
        <translation>Contraseña de apertura:</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>Confirmar contraseña:</translation>
    </message>
    <message>
        <source>Restrict printing and editing with a permissions password</source>
        <translation>Restringir la impresión y la edición con una contraseña de permisos</translation>
    </message>
    <message>
        <source>Permissions password:</source>
        <translation>Contraseña de permisos:</translation>
    </message>
    <message>
        <source>Allow printing</source>
        <translation>Permitir imprimir</translation>
    </message>
    <message>
        <source>Allow copying text and images</source>
        <translation>Permitir copiar texto e imágenes</translation>
    </message>
    <message>
        <source>Allow editing</source>
        <translation>Permitir editar</translation>
    </message>
    <message>
        <source>Allow commenting</source>
        <translation>Permitir comentarios</translation>
    </message>
    <message>
        <source>Allow filling in forms</source>
        <translation>Permitir rellenar formularios</translation>
    </message>
    <message>
        <source>Allow inserting, deleting and rotating pages</source>
        <translation>Permitir insertar, eliminar y girar páginas</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Cifrado:</translation>
    </message>
    <message>
        <source>AES-256 (recommended)</source>
        <translation>AES-256 (recomendado)</translation>
    </message>
    <message>
        <source>AES-128 (for older readers)</source>
        <translation>AES-128 (para lectores antiguos)</translation>
    </message>
    <message>
        <source>Remove Protection</source>
        <translation>Quitar protección</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save as New File...</source>
        <translation>Guardar como archivo nuevo...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Strength: %1</source>
        <translation>Seguridad: %1</translation>
    </message>
    <message>
        <source>Enter a password to open the document.</source>
        <translation>Introduzca una contraseña para abrir el documento.</translation>
    </message>
    <message>
        <source>The passwords do not match. Type the open password again in both fields.</source>
        <translation>Las contraseñas no coinciden. Escriba de nuevo la contraseña de apertura en ambos campos.</translation>
    </message>
    <message>
        <source>Enter a permissions password, or turn the restrictions off.</source>
        <translation>Introduzca una contraseña de permisos o desactive las restricciones.</translation>
    </message>
    <message>
        <source>The permissions passwords do not match. Type it again in both fields.</source>
        <translation>Las contraseñas de permisos no coinciden. Escríbala de nuevo en ambos campos.</translation>
    </message>
    <message>
        <source>The permissions password must differ from the open password.</source>
        <translation>La contraseña de permisos debe ser distinta de la contraseña de apertura.</translation>
    </message>
</context>
<context>
    <name>CFileListView</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Anclar</translation>
    </message>
    <message>
        <source>Unpin</source>
        <translation>Desanclar</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>Open File Location</source>
        <translation>Abrir ubicación del archivo</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Quitar de la lista</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>Error al abrir</translation>
    </message>
    <message>
        <source>The file might have been moved, damaged, or deleted.</source>
        <translation>Es posible que el archivo se haya movido, dañado o eliminado.</translation>
    </message>
    <message>
        <source>Failed to Rename</source>
        <translation>Error al cambiar el nombre</translation>
    </message>
    <message>
        <source>The file could not be renamed. It may be in use, or the folder may not allow changes.</source>
        <translation>No se pudo cambiar el nombre del archivo. Es posible que esté en uso o que la carpeta no permita cambios.</translation>
    </message>
</context>
<context>
    <name>CFindBar</name>
    <message>
        <source>Find in document</source>
        <translation>Buscar en el documento</translation>
    </message>
    <message>
        <source>Previous Match (Shift+F3)</source>
        <translation>Coincidencia anterior (Mayús+F3)</translation>
    </message>
    <message>
        <source>Next Match (F3)</source>
        <translation>Coincidencia siguiente (F3)</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Coincidir mayúsculas</translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation>Palabras completas</translation>
    </message>
    <message>
        <source>Show All Results</source>
        <translation>Mostrar todos los resultados</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Cerrar (Esc)</translation>
    </message>
    <message>
        <source>No text in this document</source>
        <translation>Este documento no contiene texto</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>No results</source>
        <translation>Sin resultados</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stop Searching</source>
        <translation>Detener la búsqueda</translation>
    </message>
    <message>
        <source>%1 of %2, %3 of %4 pages searched</source>
        <translation>%1 de %2, %3 de %4 páginas buscadas</translation>
    </message>
    <message>
        <source>%1 found, %2 of %3 pages searched</source>
        <translation>%1 encontrados, %2 de %3 páginas buscadas</translation>
    </message>
    <message>
        <source>%1 of %2, stopped after %3 of %4 pages</source>
        <translation>%1 de %2, detenida tras %3 de %4 páginas</translation>
    </message>
    <message>
        <source>%1 found, stopped after %2 of %3 pages</source>
        <translation>%1 encontrados, detenida tras %2 de %3 páginas</translation>
    </message>
</context>
<context>
    <name>CFormBar</name>
    <message>
        <source>Highlight Fields</source>
        <translation>Resaltar campos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>This document contains form fields you can fill in.</source>
        <translation>Este documento contiene campos de formulario que puede rellenar.</translation>
    </message>
    <message>
        <source>This document contains form fields, but its permissions do not allow filling them in.</source>
        <translation>Este documento contiene campos de formulario, pero sus permisos no permiten rellenarlos.</translation>
    </message>
    <message>
        <source>This form uses XFA, which is not supported. Its fields cannot be shown or filled in here.</source>
        <translation>Este formulario usa XFA, que no es compatible. Sus campos no se pueden mostrar ni rellenar aquí.</translation>
    </message>
</context>
<context>
    <name>CFormLayer</name>
    <message>
        <source>Reset Form</source>
        <translation>Restablecer formulario</translation>
    </message>
    <message>
        <source>Fill In Form</source>
        <translation>Rellenar formulario</translation>
    </message>
</context>
<context>
    <name>CGotoPageBox</name>
    <message>
        <source>Go to Page</source>
        <translation>Ir a la página</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>de %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Ir</translation>
    </message>
    <message>
        <source>Page Number</source>
        <translation>Número de página</translation>
    </message>
</context>
<context>
    <name>CLinkActions</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Open this link?</source>
        <translation>¿Abrir este enlace?</translation>
    </message>
    <message>
        <source>The document links to &quot;%1&quot;, which another program will open.</source>
        <translation>El documento enlaza a «%1», que abrirá otro programa.</translation>
    </message>
    <message>
        <source>Cannot Open the Linked File</source>
        <translation>No se puede abrir el archivo enlazado</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>No se encontró «%1».</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open this file?</source>
        <translation>¿Abrir este archivo?</translation>
    </message>
    <message>
        <source>The document links to &quot;%1&quot; (%2), which another program will open.</source>
        <translation>El documento enlaza a «%1» (%2), que abrirá otro programa.</translation>
    </message>
</context>
<context>
    <name>CLinkLayer</name>
    <message>
        <source>Go to page %1</source>
        <translation>Ir a la página %1</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <translation>Escribir a %1</translation>
    </message>
    <message>
        <source>Open %1 at page %2</source>
        <translation>Abrir %1 en la página %2</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Abrir %1</translation>
    </message>
    <message>
        <source>Viewer command: %1</source>
        <translation>Orden del visor: %1</translation>
    </message>
    <message>
        <source>Runs the program %1; links that run programs are not followed</source>
        <translation>Ejecuta el programa %1; los enlaces que ejecutan programas no se siguen</translation>
    </message>
    <message>
        <source>Runs a script; links that run scripts are not followed</source>
        <translation>Ejecuta un script; los enlaces que ejecutan scripts no se siguen</translation>
    </message>
</context>
<context>
    <name>CLinkTargetBox</name>
    <message>
        <source>Link Target</source>
        <translation>Destino del enlace</translation>
    </message>
    <message>
        <source>Page of this document</source>
        <translation>Página de este documento</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Número de página</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Dirección web</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CLoadingPage</name>
    <message>
        <source>Opening &quot;%1&quot;...</source>
        <translation>Abriendo &quot;%1&quot;...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CMemberManager</name>
    <message>
        <source>Could not reach the account service. Please check your connection and try again.</source>
        <translation>No se pudo conectar con el servicio de cuentas. Compruebe la conexión e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Signing in is already in progress.</source>
        <translation>Ya se está iniciando sesión.</translation>
    </message>
    <message>
        <source>Please enter a valid e-mail address.</source>
        <translation>Introduzca una dirección de correo electrónico válida.</translation>
    </message>
    <message>
        <source>Please enter your password.</source>
        <translation>Introduzca su contraseña.</translation>
    </message>
    <message>
        <source>The e-mail address or password is incorrect.</source>
        <translation>La dirección de correo electrónico o la contraseña no son correctas.</translation>
    </message>
    <message>
        <source>The account service sent an answer that could not be read. Please try again later.</source>
        <translation>El servicio de cuentas envió una respuesta que no se pudo leer. Inténtelo de nuevo más tarde.</translation>
    </message>
</context>
<context>
    <name>CNssStore</name>
    <message>
        <source>The certificate store in %1 could not be opened.</source>
        <translation>No se pudo abrir el almacén de certificados de %1.</translation>
    </message>
    <message>
        <source>The certificate store is locked. Give its password first.</source>
        <translation>El almacén de certificados está bloqueado. Introduzca primero su contraseña.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>No se pudo leer el archivo.</translation>
    </message>
    <message>
        <source>The file is not a certificate file (PKCS#12).</source>
        <translation>El archivo no es un archivo de certificado (PKCS#12).</translation>
    </message>
    <message>
        <source>The password does not open this certificate file.</source>
        <translation>La contraseña no abre este archivo de certificado.</translation>
    </message>
    <message>
        <source>The certificate could not be added to the store in %1.</source>
        <translation>No se pudo añadir el certificado al almacén de %1.</translation>
    </message>
    <message>
        <source>The file holds no certificate with its private key, so it cannot sign.</source>
        <translation>El archivo no contiene ningún certificado con su clave privada, por lo que no puede firmar.</translation>
    </message>
    <message>
        <source>Digital signature</source>
        <translation>Firma digital</translation>
    </message>
    <message>
        <source>Non-repudiation</source>
        <translation>No repudio</translation>
    </message>
    <message>
        <source>Key encipherment</source>
        <translation>Cifrado de claves</translation>
    </message>
    <message>
        <source>Data encipherment</source>
        <translation>Cifrado de datos</translation>
    </message>
    <message>
        <source>Key agreement</source>
        <translation>Acuerdo de claves</translation>
    </message>
    <message>
        <source>Certificate signing</source>
        <translation>Firma de certificados</translation>
    </message>
    <message>
        <source>CRL signing</source>
        <translation>Firma de CRL</translation>
    </message>
    <message>
        <source>Encipher only</source>
        <translation>Solo cifrado</translation>
    </message>
</context>
<context>
    <name>COpenController</name>
    <message>
        <source>Failed to Open</source>
        <translation>Error al abrir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found. It may have been moved, renamed or deleted.</source>
        <translation>No se encontró «%1». Puede que se haya movido, renombrado o eliminado.</translation>
    </message>
    <message>
        <source>You do not have permission to read &quot;%1&quot;.</source>
        <translation>No tiene permiso para leer «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and cannot be read.</source>
        <translation>«%1» está dañado y no se puede leer.</translation>
    </message>
</context>
<context>
    <name>COrganizerBox</name>
    <message>
        <source>Rotate Left</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <source>Delete Pages</source>
        <translation>Eliminar páginas</translation>
    </message>
    <message>
        <source>Duplicate Pages</source>
        <translation>Duplicar páginas</translation>
    </message>
    <message>
        <source>Insert Blank Page</source>
        <translation>Insertar página en blanco</translation>
    </message>
    <message>
        <source>Insert Pages from File</source>
        <translation>Insertar páginas desde un archivo</translation>
    </message>
    <message>
        <source>Extract Pages</source>
        <translation>Extraer páginas</translation>
    </message>
    <message>
        <source>Split Document</source>
        <translation>Dividir documento</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Deshacer (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Shift+Z)</source>
        <translation>Rehacer (Ctrl+Mayús+Z)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Move Pages</source>
        <translation>Mover páginas</translation>
    </message>
    <message>
        <source>Pages: %1  Selected: %2</source>
        <translation>Páginas: %1  Seleccionadas: %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cannot Delete Pages</source>
        <translation>No se pueden eliminar las páginas</translation>
    </message>
    <message>
        <source>A document needs at least one page. Keep one page or more.</source>
        <translation>Un documento necesita al menos una página. Conserve una página o más.</translation>
    </message>
    <message>
        <source>Cannot Insert Pages</source>
        <translation>No se pueden insertar las páginas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read. It may be damaged or not a PDF file.</source>
        <translation>No se pudo leer &quot;%1&quot;. Puede estar dañado o no ser un archivo PDF.</translation>
    </message>
    <message>
        <source>Insert Pages</source>
        <translation>Insertar páginas</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Failed to Extract Pages</source>
        <translation>No se pudieron extraer las páginas</translation>
    </message>
    <message>
        <source>Failed to Split Document</source>
        <translation>No se pudo dividir el documento</translation>
    </message>
</context>
<context>
    <name>COrganizerView</name>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
</context>
<context>
    <name>CPageEditBar</name>
    <message>
        <source>Page Editing</source>
        <translation>Edición de páginas</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Añadir texto</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Añadir imagen</translation>
    </message>
    <message>
        <source>Add Link</source>
        <translation>Añadir enlace</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Tamaño de fuente</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>Más colores...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Link Target...</source>
        <translation>Destino del enlace...</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Leave page editing</source>
        <translation>Salir de la edición de páginas</translation>
    </message>
    <message>
        <source>Click where the text should start; Ctrl+Enter keeps it.</source>
        <translation>Haga clic donde debe empezar el texto; Ctrl+Intro lo conserva.</translation>
    </message>
    <message>
        <source>Click where the picture should go.</source>
        <translation>Haga clic donde debe ir la imagen.</translation>
    </message>
    <message>
        <source>Drag over the area that should become a link.</source>
        <translation>Arrastre sobre la zona que debe convertirse en enlace.</translation>
    </message>
    <message>
        <source>Drag pictures to move them, their corners to resize them.</source>
        <translation>Arrastre las imágenes para moverlas y sus esquinas para cambiar su tamaño.</translation>
    </message>
</context>
<context>
    <name>CPageEditController</name>
    <message>
        <source>Cannot Edit Pages</source>
        <translation>No se pueden editar las páginas</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow changing its pages. Open it with its permissions password to edit them.</source>
        <translation>Los permisos del documento no permiten cambiar sus páginas. Ábralo con su contraseña de permisos para editarlas.</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; first?</source>
        <translation>¿Guardar primero los cambios de &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Page editing starts from the saved document.</source>
        <translation>La edición de páginas parte del documento guardado.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save the page edits to &quot;%1&quot;?</source>
        <translation>¿Guardar las ediciones de página en &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Pages show their edits until you leave page editing.</source>
        <translation>Las páginas muestran sus ediciones hasta que sale de la edición de páginas.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Cannot Edit the Page</source>
        <translation>No se puede editar la página</translation>
    </message>
    <message>
        <source>The document has no page %1.</source>
        <translation>El documento no tiene página %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address a link can lead to.</source>
        <translation>&quot;%1&quot; no es una dirección web a la que pueda llevar un enlace.</translation>
    </message>
    <message>
        <source>The change does not fit the page.</source>
        <translation>El cambio no encaja con la página.</translation>
    </message>
    <message>
        <source>The text could not be added here.</source>
        <translation>No se pudo añadir el texto aquí.</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Añadir texto</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be read.</source>
        <translation>No se pudo leer la imagen &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Añadir imagen</translation>
    </message>
    <message>
        <source>Resize Picture</source>
        <translation>Cambiar tamaño de la imagen</translation>
    </message>
    <message>
        <source>Move Picture</source>
        <translation>Mover imagen</translation>
    </message>
    <message>
        <source>Resize Text</source>
        <translation>Cambiar tamaño del texto</translation>
    </message>
    <message>
        <source>Move Text</source>
        <translation>Mover texto</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Quitar enlace</translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation>Eliminar imagen</translation>
    </message>
    <message>
        <source>Delete Text</source>
        <translation>Eliminar texto</translation>
    </message>
    <message>
        <source>Add Link</source>
        <translation>Añadir enlace</translation>
    </message>
    <message>
        <source>Change Link</source>
        <translation>Cambiar enlace</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg)</source>
        <translation>Imágenes (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>The change could not be made (%1).</source>
        <translation>No se pudo realizar el cambio (%1).</translation>
    </message>
</context>
<context>
    <name>CPageEditLayer</name>
    <message>
        <source>Text to add</source>
        <translation>Texto que añadir</translation>
    </message>
    <message>
        <source>Leads nowhere</source>
        <translation>No lleva a ninguna parte</translation>
    </message>
    <message>
        <source>Double-click to change where it leads</source>
        <translation>Haga doble clic para cambiar adónde lleva</translation>
    </message>
</context>
<context>
    <name>CPageView</name>
    <message>
        <source>The document&apos;s permissions do not allow copying its text.</source>
        <translation>Los permisos del documento no permiten copiar su texto.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>CPasswordBox</name>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is protected. Enter the password to open it.</source>
        <translation>&quot;%1&quot; está protegido. Introduzca la contraseña para abrirlo.</translation>
    </message>
    <message>
        <source>Incorrect password. Please try again.</source>
        <translation>Contraseña incorrecta. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>CPdfImage</name>
    <message>
        <source>The file is not a PNG or JPEG picture.</source>
        <translation>El archivo no es una imagen PNG o JPEG.</translation>
    </message>
    <message>
        <source>The picture is too large or damaged.</source>
        <translation>La imagen es demasiado grande o está dañada.</translation>
    </message>
</context>
<context>
    <name>CPdfPrinter</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cannot Print</source>
        <translation>No se puede imprimir</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow printing it. Open it with its permissions password to print it.</source>
        <translation>Los permisos del documento no permiten imprimirlo. Ábralo con su contraseña de permisos para imprimirlo.</translation>
    </message>
    <message>
        <source>Failed to Print</source>
        <translation>Error al imprimir</translation>
    </message>
    <message>
        <source>No printer and no file to print to were chosen.</source>
        <translation>No se eligió ninguna impresora ni ningún archivo en el que imprimir.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Preparing the pages...</source>
        <translation>Preparando las páginas...</translation>
    </message>
    <message>
        <source>Sending to &quot;%1&quot;...</source>
        <translation>Enviando a «%1»...</translation>
    </message>
    <message>
        <source>Writing &quot;%1&quot;...</source>
        <translation>Escribiendo «%1»...</translation>
    </message>
</context>
<context>
    <name>CPresentationView</name>
    <message>
        <source>Presentation</source>
        <translation>Presentación</translation>
    </message>
</context>
<context>
    <name>CPrintJob</name>
    <message>
        <source>The pages &quot;%1&quot; are not in the document.</source>
        <translation>Las páginas «%1» no están en el documento.</translation>
    </message>
    <message>
        <source>No temporary folder could be made for the print job (%1).</source>
        <translation>No se pudo crear una carpeta temporal para el trabajo de impresión (%1).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: its folder or the file does not allow changes. Print to another file.</source>
        <translation>No se puede escribir «%1»: su carpeta o el archivo no permiten cambios. Imprima en otro archivo.</translation>
    </message>
    <message>
        <source>The printing service does not answer at %1.</source>
        <translation>El servicio de impresión no responde en %1.</translation>
    </message>
    <message>
        <source>No printer is set up (%1).</source>
        <translation>No hay ninguna impresora configurada (%1).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be found (%2).</source>
        <translation>No se encuentra la impresora «%1» (%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job: %2</source>
        <translation>La impresora «%1» no aceptó el trabajo: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the document being printed. Print to another file.</source>
        <translation>«%1» es el documento que se está imprimiendo. Imprima en otro archivo.</translation>
    </message>
</context>
<context>
    <name>CPropertiesBox</name>
    <message>
        <source>Document Properties</source>
        <translation>Propiedades del documento</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Asunto</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Palabras clave</translation>
    </message>
    <message>
        <source>Creator</source>
        <translation>Creador</translation>
    </message>
    <message>
        <source>Producer</source>
        <translation>Productor</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Creado</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>PDF Version</source>
        <translation>Versión de PDF</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Page Size</source>
        <translation>Tamaño de página</translation>
    </message>
    <message>
        <source>%1 x %2 mm</source>
        <translation>%1 x %2 mm</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Tamaño del archivo</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Seguridad</translation>
    </message>
    <message>
        <source>Password protected</source>
        <translation>Protegido con contraseña</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>CRecognizeBar</name>
    <message>
        <source>Text recognition</source>
        <translation>Reconocimiento de texto</translation>
    </message>
    <message>
        <source>This page</source>
        <translation>Esta página</translation>
    </message>
    <message>
        <source>All pages</source>
        <translation>Todas las páginas</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Páginas:</translation>
    </message>
    <message>
        <source>Pages to recognize</source>
        <translation>Páginas que reconocer</translation>
    </message>
    <message>
        <source>e.g. 1-3, 5</source>
        <translation>p. ej. 1-3, 5</translation>
    </message>
    <message>
        <source>Page numbers to recognize</source>
        <translation>Números de las páginas que reconocer</translation>
    </message>
    <message>
        <source>Languages of the text</source>
        <translation>Idiomas del texto</translation>
    </message>
    <message>
        <source>The languages the pages are written in</source>
        <translation>Los idiomas en que están escritas las páginas</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>Reconocer texto</translation>
    </message>
    <message>
        <source>Recognition progress</source>
        <translation>Progreso del reconocimiento</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancel text recognition</source>
        <translation>Cancelar el reconocimiento de texto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the text recognition bar</source>
        <translation>Cerrar la barra de reconocimiento de texto</translation>
    </message>
    <message>
        <source>No language</source>
        <translation>Ningún idioma</translation>
    </message>
    <message>
        <source>Recognizing text, pages done: %1 of %2</source>
        <translation>Reconociendo texto, páginas hechas: %1 de %2</translation>
    </message>
</context>
<context>
    <name>CRecognizeController</name>
    <message>
        <source>eng</source>
        <comment>The text recognition language of this translation, as its data file is named (ISO 639-2: deu, fra, chi_sim...)</comment>
        <translation>spa</translation>
    </message>
    <message>
        <source>No text recognition languages are installed.</source>
        <translation>No hay idiomas de reconocimiento de texto instalados.</translation>
    </message>
    <message>
        <source>This page is a scan without text. No text recognition languages are installed.</source>
        <translation>Esta página es un escaneo sin texto. No hay idiomas de reconocimiento de texto instalados.</translation>
    </message>
    <message>
        <source>This page is a scan without text.</source>
        <translation>Esta página es un escaneo sin texto.</translation>
    </message>
    <message>
        <source>This page has text already; only pages without text are recognized.</source>
        <translation>Esta página ya tiene texto; solo se reconocen las páginas sin texto.</translation>
    </message>
    <message>
        <source>The pages &quot;%1&quot; are not in the document.</source>
        <translation>Las páginas «%1» no están en el documento.</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>Reconocer texto</translation>
    </message>
    <message>
        <source>Done: the text can now be searched, selected and copied. Save to keep it.</source>
        <translation>Listo: ahora se puede buscar, seleccionar y copiar el texto. Guarde para conservarlo.</translation>
    </message>
    <message>
        <source>Every page chosen has text already. Nothing was changed.</source>
        <translation>Todas las páginas elegidas ya tienen texto. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Text recognition was cancelled. Nothing was changed.</source>
        <translation>Se canceló el reconocimiento de texto. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Text recognition failed (%1). Nothing was changed.</source>
        <translation>El reconocimiento de texto falló (%1). No se ha cambiado nada.</translation>
    </message>
</context>
<context>
    <name>CRenameBox</name>
    <message>
        <source>Rename</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>The file name cannot be empty.</source>
        <translation>El nombre del archivo no puede estar vacío.</translation>
    </message>
    <message>
        <source>A file name can&apos;t contain any of the following characters: \ / : * ? &quot; &lt; &gt; |</source>
        <translation>Un nombre de archivo no puede contener ninguno de los siguientes caracteres: \ / : * ? &quot; &lt; &gt; |</translation>
    </message>
    <message>
        <source>This name cannot be used as a file name.</source>
        <translation>Este nombre no se puede usar como nombre de archivo.</translation>
    </message>
    <message>
        <source>A file with this name already exists.</source>
        <translation>Ya existe un archivo con este nombre.</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Nombre nuevo</translation>
    </message>
</context>
<context>
    <name>CReviewDialog</name>
    <message>
        <source>Enjoying %1?</source>
        <translation>¿Le gusta %1?</translation>
    </message>
    <message>
        <source>Rate Now</source>
        <translation>Valorar ahora</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>Don&apos;t Ask Again</source>
        <translation>No volver a preguntar</translation>
    </message>
</context>
<context>
    <name>CSavePipeline</name>
    <message>
        <source>&quot;%1&quot; was moved or deleted while it was open. Nothing was written.</source>
        <translation>&quot;%1&quot; se movió o se eliminó mientras estaba abierto. No se escribió nada.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program while it was open. Nothing was written; open it again to make your changes.</source>
        <translation>Otro programa cambió &quot;%1&quot; mientras estaba abierto. No se escribió nada; ábralo de nuevo para hacer sus cambios.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read (%2). Nothing was written.</source>
        <translation>No se pudo leer &quot;%1&quot; (%2). No se escribió nada.</translation>
    </message>
    <message>
        <source>This document was opened with its open password only. To change its protection, open it with its permissions password.</source>
        <translation>Este documento se abrió solo con su contraseña de apertura. Para cambiar su protección, ábralo con su contraseña de permisos.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not allow changes. Choose another folder with Save As.</source>
        <translation>La carpeta &quot;%1&quot; no permite cambios. Elija otra carpeta con Guardar como.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only. Choose another file with Save As.</source>
        <translation>&quot;%1&quot; es de solo lectura. Elija otro archivo con Guardar como.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written (%2). The file was left as it was.</source>
        <translation>No se pudo escribir &quot;%1&quot; (%2). El archivo se dejó como estaba.</translation>
    </message>
    <message>
        <source>The changes could not be prepared for writing (%1). Nothing was written.</source>
        <translation>No se pudieron preparar los cambios para escribirlos (%1). No se escribió nada.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was saved but could not be opened again (%2).</source>
        <translation>&quot;%1&quot; se guardó, pero no se pudo volver a abrir (%2).</translation>
    </message>
</context>
<context>
    <name>CSearchResultModel</name>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
</context>
<context>
    <name>CSessionKeeper</name>
    <message>
        <source>%1 did not close properly last time. Your documents have been reopened.</source>
        <translation>%1 no se cerró correctamente la última vez. Se han vuelto a abrir sus documentos.</translation>
    </message>
    <message>
        <source>These documents could not be found and were not reopened:</source>
        <translation>No se encontraron estos documentos y no se volvieron a abrir:</translation>
    </message>
    <message>
        <source>Recover unsaved changes to %1?</source>
        <translation>¿Recuperar los cambios no guardados de %1?</translation>
    </message>
    <message>
        <source>The changes were kept when the document was last open. If you discard them, they cannot be brought back.</source>
        <translation>Los cambios se conservaron cuando el documento estuvo abierto por última vez. Si los descarta, no podrá recuperarlos.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Recuperar</translation>
    </message>
    <message>
        <source>Failed to Recover</source>
        <translation>Error al recuperar</translation>
    </message>
    <message>
        <source>The unsaved changes to %1 no longer fit the file.</source>
        <translation>Los cambios no guardados de %1 ya no corresponden al archivo.</translation>
    </message>
    <message>
        <source>Save as New File</source>
        <translation>Guardar como archivo nuevo</translation>
    </message>
    <message>
        <source>Unsaved changes to %1 are kept</source>
        <translation>Se conservan los cambios sin guardar de %1</translation>
    </message>
    <message>
        <source>The document cannot be found at &quot;%1&quot; right now. Its changes are offered again once it is back there.</source>
        <translation>Ahora mismo no se encuentra el documento en &quot;%1&quot;. Sus cambios se volverán a ofrecer cuando vuelva a estar allí.</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Conservar</translation>
    </message>
    <message>
        <source>The last session had more windows and tabs than are reopened at once. Documents not reopened: %1</source>
        <translation>La última sesión tenía más ventanas y pestañas de las que se vuelven a abrir a la vez. Documentos no reabiertos: %1</translation>
    </message>
</context>
<context>
    <name>CSidePanel</name>
    <message>
        <source>Thumbnails</source>
        <translation>Miniaturas</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>Annotations</source>
        <translation>Anotaciones</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Adjuntos</translation>
    </message>
    <message>
        <source>This document has no bookmarks.</source>
        <translation>Este documento no tiene marcadores.</translation>
    </message>
    <message>
        <source>This document has no attachments.</source>
        <translation>Este documento no tiene archivos adjuntos.</translation>
    </message>
    <message>
        <source>Search Results</source>
        <translation>Resultados de búsqueda</translation>
    </message>
    <message>
        <source>In a comment on page %1</source>
        <translation>En un comentario de la página %1</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Firmas</translation>
    </message>
</context>
<context>
    <name>CSignBox</name>
    <message>
        <source>Sign Document</source>
        <translation>Firmar documento</translation>
    </message>
    <message>
        <source>Sign &quot;%1&quot; with a certificate of your certificate store. The signed document is saved as a new file; this one stays as it is.</source>
        <translation>Firme «%1» con un certificado de su almacén de certificados. El documento firmado se guarda como un archivo nuevo; este queda como está.</translation>
    </message>
    <message>
        <source>Certificate store password</source>
        <translation>Contraseña del almacén de certificados</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Desbloquear</translation>
    </message>
    <message>
        <source>Certificate:</source>
        <translation>Certificado:</translation>
    </message>
    <message>
        <source>Certificate</source>
        <translation>Certificado</translation>
    </message>
    <message>
        <source>Your certificate store has no certificate to sign with. Import one from a PKCS#12 file (.p12, .pfx).</source>
        <translation>Su almacén de certificados no tiene ningún certificado para firmar. Importe uno desde un archivo PKCS#12 (.p12, .pfx).</translation>
    </message>
    <message>
        <source>Import Certificate...</source>
        <translation>Importar certificado...</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>For example: I approve this document</source>
        <translation>Por ejemplo: apruebo este documento</translation>
    </message>
    <message>
        <source>Reason:</source>
        <translation>Motivo:</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Lugar:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Optional: a PNG or JPEG shown in the signature</source>
        <translation>Opcional: una imagen PNG o JPEG en la firma</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Elegir...</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Elegir una imagen</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Imagen:</translation>
    </message>
    <message>
        <source>Sign and Save As...</source>
        <translation>Firmar y guardar como...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Issued by %1, valid from %2 to %3</source>
        <translation>Emitido por %1, válido del %2 al %3</translation>
    </message>
    <message>
        <source>Key usage: %1</source>
        <translation>Uso de la clave: %1</translation>
    </message>
    <message>
        <source>This is not the password of your certificate store.</source>
        <translation>Esta no es la contraseña de su almacén de certificados.</translation>
    </message>
    <message>
        <source>Import Certificate</source>
        <translation>Importar certificado</translation>
    </message>
    <message>
        <source>Certificate Files (*.p12 *.pfx)</source>
        <translation>Archivos de certificado (*.p12 *.pfx)</translation>
    </message>
    <message>
        <source>Password of the certificate file:</source>
        <translation>Contraseña del archivo de certificado:</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Elegir una imagen</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg)</source>
        <translation>Imágenes (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Choose a certificate to sign with, or import one.</source>
        <translation>Elija un certificado para firmar o importe uno.</translation>
    </message>
    <message>
        <source>The picture must be a PNG or JPEG file.</source>
        <translation>La imagen debe ser un archivo PNG o JPEG.</translation>
    </message>
</context>
<context>
    <name>CSignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>nombre@example.com</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CSignatureBar</name>
    <message>
        <source>Signatures</source>
        <translation>Firmas</translation>
    </message>
    <message>
        <source>Sign Document</source>
        <translation>Firmar documento</translation>
    </message>
    <message>
        <source>Signature Panel</source>
        <translation>Panel de firmas</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the signature bar</source>
        <translation>Cerrar la barra de firmas</translation>
    </message>
    <message>
        <source>an unknown signer</source>
        <translation>un firmante desconocido</translation>
    </message>
    <message>
        <source>Signed by %1, every signature is valid.</source>
        <translation>Firmado por %1; todas las firmas son válidas.</translation>
    </message>
    <message>
        <source>Signed by %1, the signature is valid.</source>
        <translation>Firmado por %1; la firma es válida.</translation>
    </message>
    <message>
        <source>Signed by %1; the document was changed after %2 signed it.</source>
        <translation>Firmado por %1; el documento se modificó después de que %2 lo firmara.</translation>
    </message>
    <message>
        <source>Signed by %1, the document was changed after signing.</source>
        <translation>Firmado por %1; el documento se modificó después de firmarlo.</translation>
    </message>
    <message>
        <source>Signed by %1; the certificate of %2 is not trusted.</source>
        <translation>Firmado por %1; el certificado de %2 no es de confianza.</translation>
    </message>
    <message>
        <source>Signed by %1, the certificate is not trusted.</source>
        <translation>Firmado por %1; el certificado no es de confianza.</translation>
    </message>
    <message>
        <source>Signed by %1; the signature of %2 is not valid.</source>
        <translation>Firmado por %1; la firma de %2 no es válida.</translation>
    </message>
    <message>
        <source>Signed by %1, the signature is not valid.</source>
        <translation>Firmado por %1; la firma no es válida.</translation>
    </message>
    <message>
        <source>Signed by %1; the signature of %2 cannot be checked.</source>
        <translation>Firmado por %1; no se puede comprobar la firma de %2.</translation>
    </message>
    <message>
        <source>Signed by %1, the signature cannot be checked.</source>
        <translation>Firmado por %1; no se puede comprobar la firma.</translation>
    </message>
    <message>
        <source>This document has a signature field waiting to be signed.</source>
        <translation>Este documento tiene un campo de firma pendiente de firmar.</translation>
    </message>
    <message>
        <source>The signatures cannot be checked: the file changed since it was opened.</source>
        <translation>No se pueden comprobar las firmas: el archivo cambió desde que se abrió.</translation>
    </message>
    <message>
        <source>Drag a box on a page for the signature, or click an empty signature field. Enter places it on the current page; Esc cancels.</source>
        <translation>Arrastre un recuadro en una página para la firma o haga clic en un campo de firma vacío. Intro la coloca en la página actual; Esc cancela.</translation>
    </message>
</context>
<context>
    <name>CSignatureController</name>
    <message>
        <source>Failed to Sign</source>
        <translation>No se pudo firmar</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>Error al abrir</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; before signing?</source>
        <translation>¿Guardar los cambios de «%1» antes de firmar?</translation>
    </message>
    <message>
        <source>A signature covers the document as it is saved.</source>
        <translation>Una firma abarca el documento tal como está guardado.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save Signed Document</source>
        <translation>Guardar documento firmado</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Digitally signed by %1</source>
        <translation>Firmado digitalmente por %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Fecha: %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>Lugar: %1</translation>
    </message>
    <message>
        <source>%1 (as signed by %2).pdf</source>
        <translation>%1 (tal como lo firmó %2).pdf</translation>
    </message>
    <message>
        <source>unknown signer</source>
        <translation>firmante desconocido</translation>
    </message>
</context>
<context>
    <name>CSignaturePanel</name>
    <message>
        <source>Signatures</source>
        <translation>Firmas</translation>
    </message>
    <message>
        <source>Open Signed Version</source>
        <translation>Abrir versión firmada</translation>
    </message>
    <message>
        <source>Opens the document as it was when the selected signature was made, in a new tab.</source>
        <translation>Abre en una pestaña nueva el documento tal como era cuando se hizo la firma seleccionada.</translation>
    </message>
    <message>
        <source>Sign Document</source>
        <translation>Firmar documento</translation>
    </message>
    <message>
        <source>The signature is valid.</source>
        <translation>La firma es válida.</translation>
    </message>
    <message>
        <source>The signature cannot be checked.</source>
        <translation>No se puede comprobar la firma.</translation>
    </message>
    <message>
        <source>The signature is intact, but the certificate is not trusted.</source>
        <translation>La firma está intacta, pero el certificado no es de confianza.</translation>
    </message>
    <message>
        <source>The document was changed after signing.</source>
        <translation>El documento se modificó después de firmarlo.</translation>
    </message>
    <message>
        <source>The signature is not valid.</source>
        <translation>La firma no es válida.</translation>
    </message>
    <message>
        <source>Not signed yet.</source>
        <translation>Aún sin firmar.</translation>
    </message>
    <message>
        <source>The certificate is trusted.</source>
        <translation>El certificado es de confianza.</translation>
    </message>
    <message>
        <source>Its issuer is marked as not trusted.</source>
        <translation>Su emisor está marcado como no de confianza.</translation>
    </message>
    <message>
        <source>Its issuer is not among the trusted certificates of this computer.</source>
        <translation>Su emisor no está entre los certificados de confianza de este equipo.</translation>
    </message>
    <message>
        <source>The certificate was revoked by its issuer.</source>
        <translation>El emisor revocó el certificado.</translation>
    </message>
    <message>
        <source>The certificate was not valid at the time of signing.</source>
        <translation>El certificado no era válido en el momento de la firma.</translation>
    </message>
    <message>
        <source>The certificate could not be checked.</source>
        <translation>No se pudo comprobar el certificado.</translation>
    </message>
    <message>
        <source>Checking the signatures...</source>
        <translation>Comprobando las firmas...</translation>
    </message>
    <message>
        <source>This document has no signatures.</source>
        <translation>Este documento no tiene firmas.</translation>
    </message>
    <message>
        <source>Unknown signer</source>
        <translation>Firmante desconocido</translation>
    </message>
    <message>
        <source>Empty signature field %1</source>
        <translation>Campo de firma vacío %1</translation>
    </message>
    <message>
        <source>Field &quot;%1&quot; on page %2</source>
        <translation>Campo «%1» en la página %2</translation>
    </message>
    <message>
        <source>On page %1</source>
        <translation>En la página %1</translation>
    </message>
    <message>
        <source>Signed on %1</source>
        <translation>Firmado el %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>Lugar: %1</translation>
    </message>
    <message>
        <source>Covers the whole document.</source>
        <translation>Abarca todo el documento.</translation>
    </message>
    <message>
        <source>Covers an earlier revision of the document (its first %1 bytes); later changes are not signed.</source>
        <translation>Abarca una revisión anterior del documento (sus primeros %1 bytes); los cambios posteriores no están firmados.</translation>
    </message>
    <message>
        <source>Certificate issued by %1</source>
        <translation>Certificado emitido por %1</translation>
    </message>
    <message>
        <source>The certificate is self-signed.</source>
        <translation>El certificado está autofirmado.</translation>
    </message>
    <message>
        <source>Certificate valid from %1 to %2</source>
        <translation>Certificado válido del %1 al %2</translation>
    </message>
    <message>
        <source>Key usage: %1</source>
        <translation>Uso de la clave: %1</translation>
    </message>
    <message>
        <source>Subject: %1</source>
        <translation>Titular: %1</translation>
    </message>
    <message>
        <source>Serial number: %1</source>
        <translation>Número de serie: %1</translation>
    </message>
</context>
<context>
    <name>CSignatures</name>
    <message>
        <source>The signed document must be saved as a new file; the original stays as it is.</source>
        <translation>El documento firmado debe guardarse como un archivo nuevo; el original queda como está.</translation>
    </message>
    <message>
        <source>Choose a certificate to sign with.</source>
        <translation>Elija un certificado para firmar.</translation>
    </message>
    <message>
        <source>The document could not be read.</source>
        <translation>No se pudo leer el documento.</translation>
    </message>
    <message>
        <source>The folder of the new file does not allow writing.</source>
        <translation>La carpeta del archivo nuevo no permite escribir.</translation>
    </message>
    <message>
        <source>The document could not be signed: there is no room for a temporary file.</source>
        <translation>No se pudo firmar el documento: no hay espacio para un archivo temporal.</translation>
    </message>
    <message>
        <source>The document has no signature field of this name.</source>
        <translation>El documento no tiene ningún campo de firma con este nombre.</translation>
    </message>
    <message>
        <source>This signature field is signed already.</source>
        <translation>Este campo de firma ya está firmado.</translation>
    </message>
    <message>
        <source>Draw the place of the signature on a page first.</source>
        <translation>Dibuje primero el lugar de la firma en una página.</translation>
    </message>
    <message>
        <source>The document could not be signed with this certificate. Its key may be missing from the store, or the store may be locked.</source>
        <translation>No se pudo firmar el documento con este certificado. Puede que su clave no esté en el almacén o que el almacén esté bloqueado.</translation>
    </message>
    <message>
        <source>The signed document could not be written to %1.</source>
        <translation>No se pudo escribir el documento firmado en %1.</translation>
    </message>
    <message>
        <source>The signed version is no longer in the file.</source>
        <translation>La versión firmada ya no está en el archivo.</translation>
    </message>
    <message>
        <source>The signed version could not be written to %1.</source>
        <translation>No se pudo escribir la versión firmada en %1.</translation>
    </message>
</context>
<context>
    <name>CSplitBox</name>
    <message>
        <source>Split Document</source>
        <translation>Dividir documento</translation>
    </message>
    <message>
        <source>Pages per file:</source>
        <translation>Páginas por archivo:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>The %1 pages become %2 files.</source>
        <translation>Las %1 páginas se convierten en %2 archivos.</translation>
    </message>
</context>
<context>
    <name>CTabBar</name>
    <message>
        <source>Close Tab</source>
        <translation>Cerrar pestaña</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documentos</translation>
    </message>
</context>
<context>
    <name>CTabListWidget</name>
    <message>
        <source>Open Tabs</source>
        <translation>Pestañas abiertas</translation>
    </message>
</context>
<context>
    <name>CTextOverlay</name>
    <message>
        <source>The text is too long: at most %1 characters can be added at once.</source>
        <translation>El texto es demasiado largo: se pueden añadir como máximo %1 caracteres a la vez.</translation>
    </message>
    <message>
        <source>The text must start on the page.</source>
        <translation>El texto debe empezar en la página.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; is not installed.</source>
        <translation>La fuente &quot;%1&quot; no está instalada.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; has no character for &quot;%2&quot;. Choose a font that has it.</source>
        <translation>La fuente &quot;%1&quot; no tiene el carácter &quot;%2&quot;. Elija una fuente que lo tenga.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; cannot be embedded in a document. Choose another font.</source>
        <translation>La fuente &quot;%1&quot; no se puede incrustar en un documento. Elija otra fuente.</translation>
    </message>
</context>
<context>
    <name>CTextRecognizer</name>
    <message>
        <source>no text recognition languages are installed</source>
        <translation>no hay idiomas de reconocimiento de texto instalados</translation>
    </message>
    <message>
        <source>no language data for &quot;%1&quot; is installed</source>
        <translation>no hay datos de idioma instalados para «%1»</translation>
    </message>
    <message>
        <source>no language chosen</source>
        <translation>no se ha elegido ningún idioma</translation>
    </message>
    <message>
        <source>the language data could not be read</source>
        <translation>no se pudieron leer los datos de idioma</translation>
    </message>
    <message>
        <source>no picture to read</source>
        <translation>no hay ninguna imagen que leer</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>the picture could not be read</source>
        <translation>no se pudo leer la imagen</translation>
    </message>
    <message>
        <source>the text could not be written</source>
        <translation>no se pudo escribir el texto</translation>
    </message>
</context>
<context>
    <name>CUpdateDialog</name>
    <message>
        <source>Check for Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>You are using version %1.</source>
        <translation>Está usando la versión %1.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Buscando actualizaciones...</translation>
    </message>
    <message>
        <source>%1 is up to date.</source>
        <translation>%1 está actualizado.</translation>
    </message>
    <message>
        <source>A new version %1 is available.</source>
        <translation>Hay una nueva versión %1 disponible.</translation>
    </message>
    <message>
        <source>Could not reach the update service. Please check your connection and try again.</source>
        <translation>No se pudo conectar con el servicio de actualizaciones. Compruebe la conexión e inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>CWindowTitleBar</name>
    <message>
        <source>Main Menu</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>DisplayOption</name>
    <message>
        <source>Display</source>
        <translation>Visualización</translation>
    </message>
    <message>
        <source>Default Page View</source>
        <translation>Vista de página predeterminada</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Tamaño real</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ajustar a la página</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Ajustar al ancho</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>Ajustar al alto</translation>
    </message>
    <message>
        <source>Default Page Layout</source>
        <translation>Diseño de página predeterminado</translation>
    </message>
    <message>
        <source>Single Page View</source>
        <translation>Una página</translation>
    </message>
    <message>
        <source>Single Page Scrolling</source>
        <translation>Una página continua</translation>
    </message>
    <message>
        <source>Two Page View</source>
        <translation>Dos páginas</translation>
    </message>
    <message>
        <source>Two Page Scrolling</source>
        <translation>Dos páginas continuas</translation>
    </message>
    <message>
        <source>Default Cursor</source>
        <translation>Cursor predeterminado</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Mano</translation>
    </message>
</context>
<context>
    <name>DocumentMenu</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Open Recents</source>
        <translation>Abrir recientes</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>Crear PDF</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>Cerrar pestaña</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <source>Close All Windows</source>
        <translation>Cerrar todas las ventanas</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Open File Location</source>
        <translation>Abrir ubicación del archivo</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Document Properties</source>
        <translation>Propiedades del documento</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visualización</translation>
    </message>
    <message>
        <source>Single Page View</source>
        <translation>Una página</translation>
    </message>
    <message>
        <source>Single Page Scrolling</source>
        <translation>Una página continua</translation>
    </message>
    <message>
        <source>Two Page View</source>
        <translation>Dos páginas</translation>
    </message>
    <message>
        <source>Two Page Scrolling</source>
        <translation>Dos páginas continuas</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Miniaturas</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>Annotations</source>
        <translation>Anotaciones</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Adjuntos</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Tamaño real</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ajustar a la página</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Ajustar al ancho</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>Ajustar al alto</translation>
    </message>
    <message>
        <source>Enter Read Mode</source>
        <translation>Entrar en modo lectura</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Ir</translation>
    </message>
    <message>
        <source>First Page</source>
        <translation>Primera página</translation>
    </message>
    <message>
        <source>Last Page</source>
        <translation>Última página</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Go to Page</source>
        <translation>Ir a la página</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Ventana</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Move Window to Left Side of Screen</source>
        <translation>Mover ventana al lado izquierdo de la pantalla</translation>
    </message>
    <message>
        <source>Move Window to Right Side of Screen</source>
        <translation>Mover ventana al lado derecho de la pantalla</translation>
    </message>
    <message>
        <source>Replace Tiled Window</source>
        <translation>Reemplazar ventana en mosaico</translation>
    </message>
    <message>
        <source>Show Next Tab</source>
        <translation>Mostrar pestaña siguiente</translation>
    </message>
    <message>
        <source>Show Previous Tab</source>
        <translation>Mostrar pestaña anterior</translation>
    </message>
    <message>
        <source>Move Tab to New Window</source>
        <translation>Mover pestaña a una ventana nueva</translation>
    </message>
    <message>
        <source>Bring All to Front</source>
        <translation>Traer todo al frente</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>Open in New Window</source>
        <translation>Abrir en una ventana nueva</translation>
    </message>
    <message>
        <source>Close Other Tabs</source>
        <translation>Cerrar las demás pestañas</translation>
    </message>
    <message>
        <source>Close All Tabs</source>
        <translation>Cerrar todas las pestañas</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Follow System</source>
        <translation>Usar la del sistema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Create Desktop Shortcut</source>
        <translation>Crear acceso directo en el escritorio</translation>
    </message>
    <message>
        <source>Set as Default</source>
        <translation>Establecer como predeterminado</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guía del usuario</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>Preguntas frecuentes</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Enviar comentarios</translation>
    </message>
    <message>
        <source>Support Center</source>
        <translation>Centro de soporte</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Protect</source>
        <translation>Proteger</translation>
    </message>
    <message>
        <source>Organize Pages</source>
        <translation>Organizar páginas</translation>
    </message>
    <message>
        <source>Page Colours</source>
        <translation>Colores de página</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>Alto contraste</translation>
    </message>
    <message>
        <source>Dark Pages with the Dark Appearance</source>
        <translation>Páginas oscuras con la apariencia oscura</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentar</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>Presentación</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Leave Read Mode</source>
        <translation>Salir del modo de lectura</translation>
    </message>
    <message>
        <source>Sign Document...</source>
        <translation>Firmar documento...</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Firmas</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>Reconocer texto</translation>
    </message>
    <message>
        <source>Edit Page Content</source>
        <translation>Editar contenido de la página</translation>
    </message>
</context>
<context>
    <name>GeneralOption</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Set %1 as default PDF reader</source>
        <translation>Establecer %1 como lector de PDF predeterminado</translation>
    </message>
    <message>
        <source>Quit program when all windows are closed</source>
        <translation>Salir del programa al cerrar todas las ventanas</translation>
    </message>
    <message>
        <source>Restore last view settings when reopening documents</source>
        <translation>Restaurar la última configuración de vista al volver a abrir documentos</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Display Language</source>
        <translation>Idioma de la interfaz</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Follow System</source>
        <translation>Usar la del sistema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Reopen documents from last time</source>
        <translation>Volver a abrir los documentos de la última vez</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Open PDF</source>
        <translation>Abrir PDF</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>Crear PDF</translation>
    </message>
    <message>
        <source>Popular Tools</source>
        <translation>Herramientas populares</translation>
    </message>
    <message>
        <source>Edit PDF</source>
        <translation>Editar PDF</translation>
    </message>
    <message>
        <source>Print PDF</source>
        <translation>Imprimir PDF</translation>
    </message>
    <message>
        <source>Organize PDFs</source>
        <translation>Organizar PDF</translation>
    </message>
    <message>
        <source>Encrypt PDF</source>
        <translation>Cifrar PDF</translation>
    </message>
    <message>
        <source>Edit text, images and links in your PDF effortlessly</source>
        <translation>Edite texto, imágenes y enlaces de su PDF sin esfuerzo</translation>
    </message>
    <message>
        <source>Create a Blank Page PDF in a second</source>
        <translation>Cree un PDF con una página en blanco en un segundo</translation>
    </message>
    <message>
        <source>Print your PDF document quickly and easily</source>
        <translation>Imprima sus documentos PDF de forma rápida y sencilla</translation>
    </message>
    <message>
        <source>Simply sort, add, delete PDF pages and etc.</source>
        <translation>Ordene, añada y elimine páginas PDF fácilmente, y mucho más.</translation>
    </message>
    <message>
        <source>Password protect your PDF from unauthorized access</source>
        <translation>Proteja su PDF con contraseña frente a accesos no autorizados</translation>
    </message>
    <message>
        <source>You&apos;ve gone Incognito</source>
        <translation>Está en modo incógnito</translation>
    </message>
    <message>
        <source>The history of the files you have viewed will not be saved.</source>
        <translation>No se guardará el historial de los archivos que vea.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Add text, pictures and links to pages; move, resize or delete pictures; change where links lead. Text that is already on a page cannot be changed.</source>
        <translation>Añada texto, imágenes y enlaces a las páginas; mueva, cambie de tamaño o elimine imágenes; cambie adónde llevan los enlaces. El texto que ya está en una página no se puede cambiar.</translation>
    </message>
</context>
<context>
    <name>LogGuidBox</name>
    <message>
        <source>Log In Your Marvik Account</source>
        <translation>Inicie sesión en su cuenta de Marvik</translation>
    </message>
    <message>
        <source>Work across desktop &amp; mobile</source>
        <translation>Trabaje en el ordenador y en el móvil</translation>
    </message>
    <message>
        <source>Support multiple languages</source>
        <translation>Compatible con varios idiomas</translation>
    </message>
    <message>
        <source>Free customer support</source>
        <translation>Atención al cliente gratuita</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Iniciar sesión</translation>
    </message>
</context>
<context>
    <name>MKMainWindow</name>
    <message>
        <source>Version: %1</source>
        <translation>Versión: %1</translation>
    </message>
    <message>
        <source>System: %1</source>
        <translation>Sistema: %1</translation>
    </message>
    <message>
        <source>%1 %2 feedback</source>
        <translation>Comentarios sobre %1 %2</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>Sesión iniciada como %1</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>MKMessageBox</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>MainBox</name>
    <message>
        <source>The file could not be renamed. It may be in use, or the folder may not allow changes.</source>
        <translation>No se pudo cambiar el nombre del archivo. Es posible que esté en uso o que la carpeta no permita cambios.</translation>
    </message>
    <message>
        <source>Failed to Rename</source>
        <translation>Error al cambiar el nombre</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>Error al abrir</translation>
    </message>
    <message>
        <source>The attachment could not be read from the document.</source>
        <translation>No se pudo leer el archivo adjunto del documento.</translation>
    </message>
    <message>
        <source>The attachment could not be saved.</source>
        <translation>No se pudo guardar el archivo adjunto.</translation>
    </message>
    <message>
        <source>Do you want to save changes to &quot;%1&quot; before closing?</source>
        <translation>¿Desea guardar los cambios de &quot;%1&quot; antes de cerrar?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don&apos;t save them.</source>
        <translation>Si no los guarda, se perderán los cambios.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>No guardar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cannot Organize Pages</source>
        <translation>No se pueden organizar las páginas</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow changing its pages. Open it with its permissions password to organize it.</source>
        <translation>Los permisos del documento no permiten cambiar sus páginas. Ábralo con su contraseña de permisos para organizarlo.</translation>
    </message>
    <message>
        <source>Save the page changes to &quot;%1&quot;?</source>
        <translation>¿Guardar los cambios de páginas en &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>The reading view shows the pages once they are saved.</source>
        <translation>La vista de lectura muestra las páginas una vez guardadas.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>The file might have been moved, damaged, or deleted.</source>
        <translation>Es posible que el archivo se haya movido, dañado o eliminado.</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Startup Page</source>
        <translation>Página de inicio</translation>
    </message>
    <message>
        <source>Open PDF</source>
        <translation>Abrir PDF</translation>
    </message>
    <message>
        <source>Open Tabs</source>
        <translation>Pestañas abiertas</translation>
    </message>
    <message>
        <source>Shortcut already exists.</source>
        <translation>El acceso directo ya existe.</translation>
    </message>
    <message>
        <source>Shortcut successfully created!</source>
        <translation>¡Acceso directo creado correctamente!</translation>
    </message>
    <message>
        <source>Failed to create shortcuts.</source>
        <translation>No se pudo crear el acceso directo.</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>Error al abrir</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Do you want to close all tabs or the current tab?</source>
        <translation>¿Desea cerrar todas las pestañas o solo la actual?</translation>
    </message>
    <message>
        <source>Always close all tabs</source>
        <translation>Cerrar siempre todas las pestañas</translation>
    </message>
    <message>
        <source>Close Current Tab</source>
        <translation>Cerrar pestaña actual</translation>
    </message>
    <message>
        <source>Close All Tabs</source>
        <translation>Cerrar todas las pestañas</translation>
    </message>
    <message>
        <source>Do you want to set %1 as your default PDF viewer?</source>
        <translation>¿Desea establecer %1 como visor de PDF predeterminado?</translation>
    </message>
    <message>
        <source>Don&apos;t show again</source>
        <translation>No volver a mostrar</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Failed to Create PDF</source>
        <translation>Error al crear el PDF</translation>
    </message>
    <message>
        <source>The new document could not be written to &quot;%1&quot;. Check that the folder exists and that you may write there.</source>
        <translation>No se pudo escribir el nuevo documento en &quot;%1&quot;. Compruebe que la carpeta existe y que tiene permiso de escritura.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is an address on the network, not a file on this computer. Save the document, then open the saved file.</source>
        <translation>«%1» es una dirección de la red, no un archivo de este equipo. Guarde el documento y abra el archivo guardado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found. It may have been moved, renamed or deleted.</source>
        <translation>No se encontró «%1». Puede que se haya movido, renombrado o eliminado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a PDF document.</source>
        <translation>«%1» es una carpeta, no un documento PDF.</translation>
    </message>
    <message>
        <source>You do not have permission to read &quot;%1&quot;.</source>
        <translation>No tiene permiso para leer «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a PDF document, or it is too damaged to be recognised as one.</source>
        <translation>«%1» no es un documento PDF o está demasiado dañado para reconocerlo como tal.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a PDF document but a file of another kind (%2).</source>
        <translation>«%1» no es un documento PDF, sino un archivo de otro tipo (%2).</translation>
    </message>
</context>
<context>
    <name>PrivacyOption</name>
    <message>
        <source>Privacy</source>
        <translation>Privacidad</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics</source>
        <translation>Enviar estadísticas de uso anónimas</translation>
    </message>
    <message>
        <source>Send crash reports</source>
        <translation>Enviar informes de errores</translation>
    </message>
    <message>
        <source>Usage statistics count how often %1 starts and which features are used; a crash report holds what the program was doing when it crashed and the end of its log. Neither holds the names or content of your documents, and nothing is sent unless you tick it here.</source>
        <translation>Las estadísticas de uso cuentan cuántas veces se inicia %1 y qué funciones se usan; un informe de errores contiene lo que hacía el programa cuando falló y el final de su registro. Ninguno contiene los nombres ni el contenido de sus documentos, y no se envía nada a menos que lo marque aquí.</translation>
    </message>
</context>
<context>
    <name>QWKDialogBar</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>RecentPage</name>
    <message>
        <source>Recents</source>
        <translation>Recientes</translation>
    </message>
    <message>
        <source>Incognito Mode</source>
        <translation>Modo incógnito</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Vista de lista</translation>
    </message>
    <message>
        <source>Grid View</source>
        <translation>Vista de cuadrícula</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Files you have recently viewed or worked with will be listed here</source>
        <translation>Aquí aparecerán los archivos que haya visto o con los que haya trabajado recientemente</translation>
    </message>
    <message>
        <source>Open PDF</source>
        <translation>Abrir PDF</translation>
    </message>
    <message>
        <source>Are you sure to clear all the records?</source>
        <translation>¿Seguro que desea borrar todos los registros?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Archivos recientes</translation>
    </message>
</context>
<context>
    <name>ReportConsent</name>
    <message>
        <source>Help Improve %1</source>
        <translation>Ayude a mejorar %1</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics and crash reports?</source>
        <translation>¿Enviar estadísticas de uso anónimas e informes de errores?</translation>
    </message>
    <message>
        <source>They tell how often %1 starts and what made it crash, never which documents you open or anything about you. You can change this at any time in Preferences.</source>
        <translation>Indican cuántas veces se inicia %1 y qué provocó un fallo, nunca qué documentos abre ni nada sobre usted. Puede cambiarlo en cualquier momento en Preferencias.</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
</context>
<context>
    <name>SettingOption</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visualización</translation>
    </message>
    <message>
        <source>Blank PDF</source>
        <translation>PDF en blanco</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacidad</translation>
    </message>
</context>
</TS>
