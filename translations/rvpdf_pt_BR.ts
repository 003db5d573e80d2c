<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AssocGuidBox</name>
    <message>
        <source>Two Steps to Set %1 as the Default PDF Viewer</source>
        <translation>Dois passos para definir o %1 como visualizador de PDF padrão</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Passo 1</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Passo 2</translation>
    </message>
    <message>
        <source>Click %1 below, then click %2 in the pop-up.</source>
        <translation>Clique em %1 abaixo e, em seguida, clique em %2 na janela pop-up.</translation>
    </message>
    <message>
        <source>Set as Default</source>
        <translation>Definir como padrão</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>Select %1 from the list, then click %2 to apply changes.</source>
        <translation>Selecione %1 na lista e clique em %2 para aplicar as alterações.</translation>
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
        <translation>PDF em branco</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Page Size</source>
        <translation>Tamanho da página</translation>
    </message>
    <message>
        <source>Fixed Size</source>
        <translation>Tamanho fixo</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientação</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Retrato</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paisagem</translation>
    </message>
    <message>
        <source>Lock aspect ratio</source>
        <translation>Bloquear proporção</translation>
    </message>
    <message>
        <source>Unlock aspect ration</source>
        <translation>Desbloquear proporção</translation>
    </message>
    <message>
        <source>Keep Aspect Ratio</source>
        <translation>Manter proporção</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largura</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
</context>
<context>
    <name>CAboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>%1 is a tabbed PDF reader for the desktop.</source>
        <translation>O %1 é um leitor de PDF com abas para computador.</translation>
    </message>
    <message>
        <source>This application uses open-source libraries, each under its own license.</source>
        <translation>Este aplicativo usa bibliotecas de código aberto, cada uma sob sua própria licença.</translation>
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
        <translation>Adicionar %1</translation>
    </message>
    <message>
        <source>Delete Comment</source>
        <translation>Excluir comentário</translation>
    </message>
    <message>
        <source>Edit Comment Text</source>
        <translation>Editar texto do comentário</translation>
    </message>
    <message>
        <source>Erase Comments</source>
        <translation>Apagar comentários</translation>
    </message>
    <message>
        <source>Move Comment</source>
        <translation>Mover comentário</translation>
    </message>
    <message>
        <source>Resize Comment</source>
        <translation>Redimensionar comentário</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Change Comment Color</source>
        <translation>Alterar cor do comentário</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
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
        <translation>Este documento não tem anotações.</translation>
    </message>
</context>
<context>
    <name>CChangeWatcher</name>
    <message>
        <source>Document Changed</source>
        <translation>Documento alterado</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>&quot;%1&quot; foi alterado por outro programa. Recarregá-lo e perder as alterações não salvas?</translation>
    </message>
    <message>
        <source>Keep My Version</source>
        <translation>Manter minha versão</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recarregar</translation>
    </message>
</context>
<context>
    <name>CClearEdit</name>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
</context>
<context>
    <name>CCommentController</name>
    <message>
        <source>Change Comment Color</source>
        <translation>Alterar cor do comentário</translation>
    </message>
    <message>
        <source>Change Comment Opacity</source>
        <translation>Alterar opacidade do comentário</translation>
    </message>
    <message>
        <source>Change Line Width</source>
        <translation>Alterar espessura da linha</translation>
    </message>
    <message>
        <source>Change Font Size</source>
        <translation>Alterar tamanho da fonte</translation>
    </message>
    <message>
        <source>Cannot Add Comments</source>
        <translation>Não é possível adicionar comentários</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow adding comments.</source>
        <translation>As permissões do documento não permitem adicionar comentários.</translation>
    </message>
</context>
<context>
    <name>CCommentOptions</name>
    <message>
        <source>Highlight</source>
        <translation>Realçar</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Sublinhar</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Tachar</translation>
    </message>
    <message>
        <source>Squiggly</source>
        <translation>Sublinhado ondulado</translation>
    </message>
    <message>
        <source>Sticky Note</source>
        <translation>Nota adesiva</translation>
    </message>
    <message>
        <source>Text Box</source>
        <translation>Caixa de texto</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Caneta</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Retângulo</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Elipse</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linha</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Seta</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Borracha</translation>
    </message>
</context>
<context>
    <name>CCommentToolBar</name>
    <message>
        <source>Select Comments</source>
        <translation>Selecionar comentários</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>Mais cores...</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidade</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Espessura</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>Espessura da linha</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Tamanho da fonte</translation>
    </message>
    <message>
        <source>Close Comment Tools</source>
        <translation>Fechar ferramentas de comentário</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Failed to Save</source>
        <translation>Falha ao salvar</translation>
    </message>
    <message>
        <source>Cannot Change Protection</source>
        <translation>Não é possível alterar a proteção</translation>
    </message>
    <message>
        <source>Replace &quot;%1&quot; with the protected version?</source>
        <translation>Substituir &quot;%1&quot; pela versão protegida?</translation>
    </message>
    <message>
        <source>The file will need the password to open from now on.</source>
        <translation>De agora em diante o arquivo precisará da senha para ser aberto.</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Save as New File</source>
        <translation>Salvar como novo arquivo</translation>
    </message>
    <message>
        <source>Remove the password from &quot;%1&quot;?</source>
        <translation>Remover a senha de &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Anyone will be able to open the file.</source>
        <translation>Qualquer pessoa poderá abrir o arquivo.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Saving will break the signatures of &quot;%1&quot;.</source>
        <translation>Salvar invalidará as assinaturas de &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Changed pages or protection rewrite the whole file, and the signatures in it will no longer be valid. Save as a new file to keep the signed original.</source>
        <translation>Páginas ou proteção alteradas regravam o arquivo inteiro, e as assinaturas nele deixarão de ser válidas. Salve como um novo arquivo para manter o original assinado.</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>Salvar mesmo assim</translation>
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
        <translation>Localizar (Ctrl+F)</translation>
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
        <translation>Próxima página</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Tamanho real</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ajustar à página</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Ajustar à largura</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>Ajustar à altura</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Enter Read Mode</source>
        <translation>Entrar no modo de leitura</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentar</translation>
    </message>
    <message>
        <source>This document does not allow comments</source>
        <translation>Este documento não permite comentários</translation>
    </message>
    <message>
        <source>Page Number</source>
        <translation>Número da página</translation>
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
        <translation>Recuperar alterações</translation>
    </message>
</context>
<context>
    <name>CEditSession</name>
    <message>
        <source>Restore Page Changes</source>
        <translation>Restaurar alterações de páginas</translation>
    </message>
    <message>
        <source>Restore Recognized Text</source>
        <translation>Restaurar texto reconhecido</translation>
    </message>
    <message>
        <source>Restore Page Edits</source>
        <translation>Restaurar edições de página</translation>
    </message>
</context>
<context>
    <name>CEncryptBox</name>
    <message>
        <source>Encrypt PDF</source>
        <translation>Criptografar PDF</translation>
    </message>
    <message>
        <source>Set a password that is needed to open &quot;%1&quot;.</source>
        <translation>Defina uma senha necessária para abrir &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Open password:</source>
        <translation>Senha de abertura:</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>Confirmar senha:</translation>
    </message>
    <message>
        <source>Restrict printing and editing with a permissions password</source>
        <translation>Restringir impressão e edição com uma senha de permissões</translation>
    </message>
    <message>
        <source>Permissions password:</source>
        <translation>Senha de permissões:</translation>
    </message>
    <message>
        <source>Allow printing</source>
        <translation>Permitir impressão</translation>
    </message>
    <message>
        <source>Allow copying text and images</source>
        <translation>Permitir copiar texto e imagens</translation>
    </message>
    <message>
        <source>Allow editing</source>
        <translation>Permitir edição</translation>
    </message>
    <message>
        <source>Allow commenting</source>
        <translation>Permitir comentários</translation>
    </message>
    <message>
        <source>Allow filling in forms</source>
        <translation>Permitir preencher formulários</translation>
    </message>
    <message>
        <source>Allow inserting, deleting and rotating pages</source>
        <translation>Permitir inserir, excluir e girar páginas</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Criptografia:</translation>
    </message>
    <message>
        <source>AES-256 (recommended)</source>
        <translation>AES-256 (recomendado)</translation>
    </message>
    <message>
        <source>AES-128 (for older readers)</source>
        <translation>AES-128 (para leitores antigos)</translation>
    </message>
    <message>
        <source>Remove Protection</source>
        <translation>Remover proteção</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save as New File...</source>
        <translation>Salvar como novo arquivo...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>Fraca</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Média</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Forte</translation>
    </message>
    <message>
        <source>Strength: %1</source>
        <translation>Força: %1</translation>
    </message>
    <message>
        <source>Enter a password to open the document.</source>
        <translation>Digite uma senha para abrir o documento.</translation>
    </message>
    <message>
        <source>The passwords do not match. Type the open password again in both fields.</source>
        <translation>As senhas não coincidem. Digite a senha de abertura de novo nos dois campos.</translation>
    </message>
    <message>
        <source>Enter a permissions password, or turn the restrictions off.</source>
        <translation>Digite uma senha de permissões ou desative as restrições.</translation>
    </message>
    <message>
        <source>The permissions passwords do not match. Type it again in both fields.</source>
        <translation>As senhas de permissões não coincidem. Digite-a de novo nos dois campos.</translation>
    </message>
    <message>
        <source>The permissions password must differ from the open password.</source>
        <translation>A senha de permissões deve ser diferente da senha de abertura.</translation>
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
        <translation>Fixar</translation>
    </message>
    <message>
        <source>Unpin</source>
        <translation>Desafixar</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>Open File Location</source>
        <translation>Abrir local do arquivo</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Remover da lista</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>Falha ao abrir</translation>
    </message>
    <message>
        <source>The file might have been moved, damaged, or deleted.</source>
        <translation>O arquivo pode ter sido movido, danificado ou excluído.</translation>
    </message>
    <message>
        <source>Failed to Rename</source>
        <translation>Falha ao renomear</translation>
    </message>
    <message>
        <source>The file could not be renamed. It may be in use, or the folder may not allow changes.</source>
        <translation>Não foi possível renomear o arquivo. Ele pode estar em uso ou a pasta pode não permitir alterações.</translation>
    </message>
</context>
<context>
    <name>CFindBar</name>
    <message>
        <source>Find in document</source>
        <translation>Localizar no documento</translation>
    </message>
    <message>
        <source>Previous Match (Shift+F3)</source>
        <translation>Ocorrência anterior (Shift+F3)</translation>
    </message>
    <message>
        <source>Next Match (F3)</source>
        <translation>Próxima ocorrência (F3)</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Diferenciar maiúsculas</translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation>Palavras inteiras</translation>
    </message>
    <message>
        <source>Show All Results</source>
        <translation>Mostrar todos os resultados</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Fechar (Esc)</translation>
    </message>
    <message>
        <source>No text in this document</source>
        <translation>Este documento não contém texto</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>No results</source>
        <translation>Nenhum resultado</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Stop Searching</source>
        <translation>Parar a pesquisa</translation>
    </message>
    <message>
        <source>%1 of %2, %3 of %4 pages searched</source>
        <translation>%1 de %2, %3 de %4 páginas pesquisadas</translation>
    </message>
    <message>
        <source>%1 found, %2 of %3 pages searched</source>
        <translation>%1 encontrados, %2 de %3 páginas pesquisadas</translation>
    </message>
    <message>
        <source>%1 of %2, stopped after %3 of %4 pages</source>
        <translation>%1 de %2, parada após %3 de %4 páginas</translation>
    </message>
    <message>
        <source>%1 found, stopped after %2 of %3 pages</source>
        <translation>%1 encontrados, parada após %2 de %3 páginas</translation>
    </message>
</context>
<context>
    <name>CFormBar</name>
    <message>
        <source>Highlight Fields</source>
        <translation>Realçar campos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>This document contains form fields you can fill in.</source>
        <translation>Este documento contém campos de formulário que você pode preencher.</translation>
    </message>
    <message>
        <source>This document contains form fields, but its permissions do not allow filling them in.</source>
        <translation>Este documento contém campos de formulário, mas suas permissões não permitem preenchê-los.</translation>
    </message>
    <message>
        <source>This form uses XFA, which is not supported. Its fields cannot be shown or filled in here.</source>
        <translation>Este formulário usa XFA, que não é compatível. Seus campos não podem ser exibidos nem preenchidos aqui.</translation>
    </message>
</context>
<context>
    <name>CFormLayer</name>
    <message>
        <source>Reset Form</source>
        <translation>Redefinir formulário</translation>
    </message>
    <message>
        <source>Fill In Form</source>
        <translation>Preencher formulário</translation>
    </message>
</context>
<context>
    <name>CGotoPageBox</name>
    <message>
        <source>Go to Page</source>
        <translation>Ir para a página</translation>
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
        <translation>Número da página</translation>
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
        <translation>Abrir este link?</translation>
    </message>
    <message>
        <source>The document links to &quot;%1&quot;, which another program will open.</source>
        <translation>O documento aponta para &quot;%1&quot;, que outro programa abrirá.</translation>
    </message>
    <message>
        <source>Cannot Open the Linked File</source>
        <translation>Não é possível abrir o arquivo vinculado</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>&quot;%1&quot; não foi encontrado.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open this file?</source>
        <translation>Abrir este arquivo?</translation>
    </message>
    <message>
        <source>The document links to &quot;%1&quot; (%2), which another program will open.</source>
        <translation>O documento aponta para &quot;%1&quot; (%2), que outro programa abrirá.</translation>
    </message>
</context>
<context>
    <name>CLinkLayer</name>
    <message>
        <source>Go to page %1</source>
        <translation>Ir para a página %1</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <translation>Escrever para %1</translation>
    </message>
    <message>
        <source>Open %1 at page %2</source>
        <translation>Abrir %1 na página %2</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Abrir %1</translation>
    </message>
    <message>
        <source>Viewer command: %1</source>
        <translation>Comando do visualizador: %1</translation>
    </message>
    <message>
        <source>Runs the program %1; links that run programs are not followed</source>
        <translation>Executa o programa %1; links que executam programas não são seguidos</translation>
    </message>
    <message>
        <source>Runs a script; links that run scripts are not followed</source>
        <translation>Executa um script; links que executam scripts não são seguidos</translation>
    </message>
</context>
<context>
    <name>CLinkTargetBox</name>
    <message>
        <source>Link Target</source>
        <translation>Destino do link</translation>
    </message>
    <message>
        <source>Page of this document</source>
        <translation>Página deste documento</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Número da página</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Endereço da web</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Abrindo &quot;%1&quot;...</translation>
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
        <translation>Não foi possível acessar o serviço de contas. Verifique sua conexão e tente novamente.</translation>
    </message>
    <message>
        <source>Signing in is already in progress.</source>
        <translation>O login já está em andamento.</translation>
    </message>
    <message>
        <source>Please enter a valid e-mail address.</source>
        <translation>Insira um endereço de e-mail válido.</translation>
    </message>
    <message>
        <source>Please enter your password.</source>
        <translation>Insira sua senha.</translation>
    </message>
    <message>
        <source>The e-mail address or password is incorrect.</source>
        <translation>O endereço de e-mail ou a senha está incorreto.</translation>
    </message>
    <message>
        <source>The account service sent an answer that could not be read. Please try again later.</source>
        <translation>O serviço de contas enviou uma resposta que não pôde ser lida. Tente novamente mais tarde.</translation>
    </message>
</context>
<context>
    <name>CNssStore</name>
    <message>
        <source>The certificate store in %1 could not be opened.</source>
        <translation>Não foi possível abrir o repositório de certificados em %1.</translation>
    </message>
    <message>
        <source>The certificate store is locked. Give its password first.</source>
        <translation>O repositório de certificados está bloqueado. Informe primeiro a senha dele.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Não foi possível ler o arquivo.</translation>
    </message>
    <message>
        <source>The file is not a certificate file (PKCS#12).</source>
        <translation>O arquivo não é um arquivo de certificado (PKCS#12).</translation>
    </message>
    <message>
        <source>The password does not open this certificate file.</source>
        <translation>A senha não abre este arquivo de certificado.</translation>
    </message>
    <message>
        <source>The certificate could not be added to the store in %1.</source>
        <translation>Não foi possível adicionar o certificado ao repositório em %1.</translation>
    </message>
    <message>
        <source>The file holds no certificate with its private key, so it cannot sign.</source>
        <translation>O arquivo não contém certificado com a chave privada, por isso não pode assinar.</translation>
    </message>
    <message>
        <source>Digital signature</source>
        <translation>Assinatura digital</translation>
    </message>
    <message>
        <source>Non-repudiation</source>
        <translation>Não repúdio</translation>
    </message>
    <message>
        <source>Key encipherment</source>
        <translation>Cifragem de chave</translation>
    </message>
    <message>
        <source>Data encipherment</source>
        <translation>Cifragem de dados</translation>
    </message>
    <message>
        <source>Key agreement</source>
        <translation>Acordo de chave</translation>
    </message>
    <message>
        <source>Certificate signing</source>
        <translation>Assinatura de certificados</translation>
    </message>
    <message>
        <source>CRL signing</source>
        <translation>Assinatura de CRL</translation>
    </message>
    <message>
        <source>Encipher only</source>
        <translation>Somente cifragem</translation>
    </message>
</context>
<context>
    <name>COpenController</name>
    <message>
        <source>Failed to Open</source>
        <translation>Falha ao abrir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found. It may have been moved, renamed or deleted.</source>
        <translation>&quot;%1&quot; não foi encontrado. Ele pode ter sido movido, renomeado ou excluído.</translation>
    </message>
    <message>
        <source>You do not have permission to read &quot;%1&quot;.</source>
        <translation>Você não tem permissão para ler &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and cannot be read.</source>
        <translation>&quot;%1&quot; está danificado e não pode ser lido.</translation>
    </message>
</context>
<context>
    <name>COrganizerBox</name>
    <message>
        <source>Rotate Left</source>
        <translation>Girar para a esquerda</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Girar para a direita</translation>
    </message>
    <message>
        <source>Delete Pages</source>
        <translation>Excluir páginas</translation>
    </message>
    <message>
        <source>Duplicate Pages</source>
        <translation>Duplicar páginas</translation>
    </message>
    <message>
        <source>Insert Blank Page</source>
        <translation>Inserir página em branco</translation>
    </message>
    <message>
        <source>Insert Pages from File</source>
        <translation>Inserir páginas de um arquivo</translation>
    </message>
    <message>
        <source>Extract Pages</source>
        <translation>Extrair páginas</translation>
    </message>
    <message>
        <source>Split Document</source>
        <translation>Dividir documento</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Desfazer (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Shift+Z)</source>
        <translation>Refazer (Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Move Pages</source>
        <translation>Mover páginas</translation>
    </message>
    <message>
        <source>Pages: %1  Selected: %2</source>
        <translation>Páginas: %1  Selecionadas: %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cannot Delete Pages</source>
        <translation>Não é possível excluir as páginas</translation>
    </message>
    <message>
        <source>A document needs at least one page. Keep one page or more.</source>
        <translation>Um documento precisa de pelo menos uma página. Mantenha uma página ou mais.</translation>
    </message>
    <message>
        <source>Cannot Insert Pages</source>
        <translation>Não é possível inserir as páginas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read. It may be damaged or not a PDF file.</source>
        <translation>Não foi possível ler &quot;%1&quot;. Ele pode estar danificado ou não ser um arquivo PDF.</translation>
    </message>
    <message>
        <source>Insert Pages</source>
        <translation>Inserir páginas</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Failed to Extract Pages</source>
        <translation>Falha ao extrair as páginas</translation>
    </message>
    <message>
        <source>Failed to Split Document</source>
        <translation>Falha ao dividir o documento</translation>
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
        <translation>Edição de páginas</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecionar</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Adicionar texto</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Adicionar imagem</translation>
    </message>
    <message>
        <source>Add Link</source>
        <translation>Adicionar link</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Tamanho da fonte</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Cor do texto</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>Mais cores...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Link Target...</source>
        <translation>Destino do link...</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Leave page editing</source>
        <translation>Sair da edição de páginas</translation>
    </message>
    <message>
        <source>Click where the text should start; Ctrl+Enter keeps it.</source>
        <translation>Clique onde o texto deve começar; Ctrl+Enter o mantém.</translation>
    </message>
    <message>
        <source>Click where the picture should go.</source>
        <translation>Clique onde a imagem deve ficar.</translation>
    </message>
    <message>
        <source>Drag over the area that should become a link.</source>
        <translation>Arraste sobre a área que deve se tornar um link.</translation>
    </message>
    <message>
        <source>Drag pictures to move them, their corners to resize them.</source>
        <translation>Arraste as imagens para movê-las e os cantos para redimensioná-las.</translation>
    </message>
</context>
<context>
    <name>CPageEditController</name>
    <message>
        <source>Cannot Edit Pages</source>
        <translation>Não é possível editar as páginas</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow changing its pages. Open it with its permissions password to edit them.</source>
        <translation>As permissões do documento não permitem alterar suas páginas. Abra-o com a senha de permissões para editá-las.</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; first?</source>
        <translation>Salvar primeiro as alterações em &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Page editing starts from the saved document.</source>
        <translation>A edição de páginas começa pelo documento salvo.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save the page edits to &quot;%1&quot;?</source>
        <translation>Salvar as edições de página em &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Pages show their edits until you leave page editing.</source>
        <translation>As páginas mostram suas edições até você sair da edição de páginas.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Cannot Edit the Page</source>
        <translation>Não é possível editar a página</translation>
    </message>
    <message>
        <source>The document has no page %1.</source>
        <translation>O documento não tem a página %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address a link can lead to.</source>
        <translation>&quot;%1&quot; não é um endereço da web para o qual um link possa levar.</translation>
    </message>
    <message>
        <source>The change does not fit the page.</source>
        <translation>A alteração não se ajusta à página.</translation>
    </message>
    <message>
        <source>The text could not be added here.</source>
        <translation>Não foi possível adicionar o texto aqui.</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Adicionar texto</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be read.</source>
        <translation>Não foi possível ler a imagem &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Adicionar imagem</translation>
    </message>
    <message>
        <source>Resize Picture</source>
        <translation>Redimensionar imagem</translation>
    </message>
    <message>
        <source>Move Picture</source>
        <translation>Mover imagem</translation>
    </message>
    <message>
        <source>Resize Text</source>
        <translation>Redimensionar texto</translation>
    </message>
    <message>
        <source>Move Text</source>
        <translation>Mover texto</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Remover link</translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation>Excluir imagem</translation>
    </message>
    <message>
        <source>Delete Text</source>
        <translation>Excluir texto</translation>
    </message>
    <message>
        <source>Add Link</source>
        <translation>Adicionar link</translation>
    </message>
    <message>
        <source>Change Link</source>
        <translation>Alterar link</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg)</source>
        <translation>Imagens (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>The change could not be made (%1).</source>
        <translation>Não foi possível fazer a alteração (%1).</translation>
    </message>
</context>
<context>
    <name>CPageEditLayer</name>
    <message>
        <source>Text to add</source>
        <translation>Texto a adicionar</translation>
    </message>
    <message>
        <source>Leads nowhere</source>
        <translation>Não leva a lugar nenhum</translation>
    </message>
    <message>
        <source>Double-click to change where it leads</source>
        <translation>Clique duas vezes para mudar o destino</translation>
    </message>
</context>
<context>
    <name>CPageView</name>
    <message>
        <source>The document&apos;s permissions do not allow copying its text.</source>
        <translation>As permissões do documento não permitem copiar o texto dele.</translation>
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
        <translation>Senha</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is protected. Enter the password to open it.</source>
        <translation>&quot;%1&quot; está protegido. Insira a senha para abri-lo.</translation>
    </message>
    <message>
        <source>Incorrect password. Please try again.</source>
        <translation>Senha incorreta. Tente novamente.</translation>
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
        <translation>O arquivo não é uma imagem PNG ou JPEG.</translation>
    </message>
    <message>
        <source>The picture is too large or damaged.</source>
        <translation>A imagem é grande demais ou está danificada.</translation>
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
        <translation>Não é possível imprimir</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow printing it. Open it with its permissions password to print it.</source>
        <translation>As permissões do documento não permitem imprimi-lo. Abra-o com a senha de permissões para imprimi-lo.</translation>
    </message>
    <message>
        <source>Failed to Print</source>
        <translation>Falha ao imprimir</translation>
    </message>
    <message>
        <source>No printer and no file to print to were chosen.</source>
        <translation>Nenhuma impressora e nenhum arquivo de destino foram escolhidos.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Preparing the pages...</source>
        <translation>Preparando as páginas...</translation>
    </message>
    <message>
        <source>Sending to &quot;%1&quot;...</source>
        <translation>Enviando para &quot;%1&quot;...</translation>
    </message>
    <message>
        <source>Writing &quot;%1&quot;...</source>
        <translation>Gravando &quot;%1&quot;...</translation>
    </message>
</context>
<context>
    <name>CPresentationView</name>
    <message>
        <source>Presentation</source>
        <translation>Apresentação</translation>
    </message>
</context>
<context>
    <name>CPrintJob</name>
    <message>
        <source>The pages &quot;%1&quot; are not in the document.</source>
        <translation>As páginas &quot;%1&quot; não estão no documento.</translation>
    </message>
    <message>
        <source>No temporary folder could be made for the print job (%1).</source>
        <translation>Não foi possível criar uma pasta temporária para o trabalho de impressão (%1).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: its folder or the file does not allow changes. Print to another file.</source>
        <translation>Não é possível gravar &quot;%1&quot;: a pasta ou o arquivo não permite alterações. Imprima em outro arquivo.</translation>
    </message>
    <message>
        <source>The printing service does not answer at %1.</source>
        <translation>O serviço de impressão não responde em %1.</translation>
    </message>
    <message>
        <source>No printer is set up (%1).</source>
        <translation>Nenhuma impressora está configurada (%1).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be found (%2).</source>
        <translation>A impressora &quot;%1&quot; não foi encontrada (%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job: %2</source>
        <translation>A impressora &quot;%1&quot; não aceitou o trabalho: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the document being printed. Print to another file.</source>
        <translation>&quot;%1&quot; é o documento que está sendo impresso. Imprima em outro arquivo.</translation>
    </message>
</context>
<context>
    <name>CPropertiesBox</name>
    <message>
        <source>Document Properties</source>
        <translation>Propriedades do documento</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Local</translation>
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
        <translation>Assunto</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Palavras-chave</translation>
    </message>
    <message>
        <source>Creator</source>
        <translation>Criador</translation>
    </message>
    <message>
        <source>Producer</source>
        <translation>Produtor</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Criado em</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado em</translation>
    </message>
    <message>
        <source>PDF Version</source>
        <translation>Versão do PDF</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Page Size</source>
        <translation>Tamanho da página</translation>
    </message>
    <message>
        <source>%1 x %2 mm</source>
        <translation>%1 x %2 mm</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Tamanho do arquivo</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Segurança</translation>
    </message>
    <message>
        <source>Password protected</source>
        <translation>Protegido por senha</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
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
        <translation>Reconhecimento de texto</translation>
    </message>
    <message>
        <source>This page</source>
        <translation>Esta página</translation>
    </message>
    <message>
        <source>All pages</source>
        <translation>Todas as páginas</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Páginas:</translation>
    </message>
    <message>
        <source>Pages to recognize</source>
        <translation>Páginas a reconhecer</translation>
    </message>
    <message>
        <source>e.g. 1-3, 5</source>
        <translation>ex.: 1-3, 5</translation>
    </message>
    <message>
        <source>Page numbers to recognize</source>
        <translation>Números das páginas a reconhecer</translation>
    </message>
    <message>
        <source>Languages of the text</source>
        <translation>Idiomas do texto</translation>
    </message>
    <message>
        <source>The languages the pages are written in</source>
        <translation>Os idiomas em que as páginas estão escritas</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>Reconhecer texto</translation>
    </message>
    <message>
        <source>Recognition progress</source>
        <translation>Progresso do reconhecimento</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancel text recognition</source>
        <translation>Cancelar o reconhecimento de texto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Close the text recognition bar</source>
        <translation>Fechar a barra de reconhecimento de texto</translation>
    </message>
    <message>
        <source>No language</source>
        <translation>Nenhum idioma</translation>
    </message>
    <message>
        <source>Recognizing text, pages done: %1 of %2</source>
        <translation>Reconhecendo texto, páginas concluídas: %1 de %2</translation>
    </message>
</context>
<context>
    <name>CRecognizeController</name>
    <message>
        <source>eng</source>
        <comment>The text recognition language of this translation, as its data file is named (ISO 639-2: deu, fra, chi_sim...)</comment>
        <translation>por</translation>
    </message>
    <message>
        <source>No text recognition languages are installed.</source>
        <translation>Nenhum idioma de reconhecimento de texto está instalado.</translation>
    </message>
    <message>
        <source>This page is a scan without text. No text recognition languages are installed.</source>
        <translation>Esta página é uma digitalização sem texto. Nenhum idioma de reconhecimento de texto está instalado.</translation>
    </message>
    <message>
        <source>This page is a scan without text.</source>
        <translation>Esta página é uma digitalização sem texto.</translation>
    </message>
    <message>
        <source>This page has text already; only pages without text are recognized.</source>
        <translation>Esta página já tem texto; só as páginas sem texto são reconhecidas.</translation>
    </message>
    <message>
        <source>The pages &quot;%1&quot; are not in the document.</source>
        <translation>As páginas &quot;%1&quot; não estão no documento.</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>Reconhecer texto</translation>
    </message>
    <message>
        <source>Done: the text can now be searched, selected and copied. Save to keep it.</source>
        <translation>Pronto: agora o texto pode ser pesquisado, selecionado e copiado. Salve para mantê-lo.</translation>
    </message>
    <message>
        <source>Every page chosen has text already. Nothing was changed.</source>
        <translation>Todas as páginas escolhidas já têm texto. Nada foi alterado.</translation>
    </message>
    <message>
        <source>Text recognition was cancelled. Nothing was changed.</source>
        <translation>O reconhecimento de texto foi cancelado. Nada foi alterado.</translation>
    </message>
    <message>
        <source>Text recognition failed (%1). Nothing was changed.</source>
        <translation>O reconhecimento de texto falhou (%1). Nada foi alterado.</translation>
    </message>
</context>
<context>
    <name>CRenameBox</name>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The file name cannot be empty.</source>
        <translation>O nome do arquivo não pode ficar vazio.</translation>
    </message>
    <message>
        <source>A file name can&apos;t contain any of the following characters: \ / : * ? &quot; &lt; &gt; |</source>
        <translation>Um nome de arquivo não pode conter nenhum dos seguintes caracteres: \ / : * ? &quot; &lt; &gt; |</translation>
    </message>
    <message>
        <source>This name cannot be used as a file name.</source>
        <translation>Este nome não pode ser usado como nome de arquivo.</translation>
    </message>
    <message>
        <source>A file with this name already exists.</source>
        <translation>Já existe um arquivo com este nome.</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Novo nome</translation>
    </message>
</context>
<context>
    <name>CReviewDialog</name>
    <message>
        <source>Enjoying %1?</source>
        <translation>Está gostando do %1?</translation>
    </message>
    <message>
        <source>Rate Now</source>
        <translation>Avaliar agora</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Mais tarde</translation>
    </message>
    <message>
        <source>Don&apos;t Ask Again</source>
        <translation>Não perguntar novamente</translation>
    </message>
</context>
<context>
    <name>CSavePipeline</name>
    <message>
        <source>&quot;%1&quot; was moved or deleted while it was open. Nothing was written.</source>
        <translation>&quot;%1&quot; foi movido ou excluído enquanto estava aberto. Nada foi gravado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program while it was open. Nothing was written; open it again to make your changes.</source>
        <translation>&quot;%1&quot; foi alterado por outro programa enquanto estava aberto. Nada foi gravado; abra-o de novo para fazer suas alterações.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read (%2). Nothing was written.</source>
        <translation>Não foi possível ler &quot;%1&quot; (%2). Nada foi gravado.</translation>
    </message>
    <message>
        <source>This document was opened with its open password only. To change its protection, open it with its permissions password.</source>
        <translation>Este documento foi aberto apenas com a senha de abertura. Para alterar a proteção, abra-o com a senha de permissões.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not allow changes. Choose another folder with Save As.</source>
        <translation>A pasta &quot;%1&quot; não permite alterações. Escolha outra pasta com Salvar como.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only. Choose another file with Save As.</source>
        <translation>&quot;%1&quot; é somente leitura. Escolha outro arquivo com Salvar como.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written (%2). The file was left as it was.</source>
        <translation>Não foi possível gravar &quot;%1&quot; (%2). O arquivo ficou como estava.</translation>
    </message>
    <message>
        <source>The changes could not be prepared for writing (%1). Nothing was written.</source>
        <translation>Não foi possível preparar as alterações para gravação (%1). Nada foi gravado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was saved but could not be opened again (%2).</source>
        <translation>&quot;%1&quot; foi salvo, mas não pôde ser aberto de novo (%2).</translation>
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
        <translation>%1 não foi fechado corretamente da última vez. Seus documentos foram reabertos.</translation>
    </message>
    <message>
        <source>These documents could not be found and were not reopened:</source>
        <translation>Estes documentos não foram encontrados e não foram reabertos:</translation>
    </message>
    <message>
        <source>Recover unsaved changes to %1?</source>
        <translation>Recuperar as alterações não salvas em %1?</translation>
    </message>
    <message>
        <source>The changes were kept when the document was last open. If you discard them, they cannot be brought back.</source>
        <translation>As alterações foram guardadas quando o documento esteve aberto pela última vez. Se você descartá-las, não poderá recuperá-las.</translation>
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
        <translation>Falha ao recuperar</translation>
    </message>
    <message>
        <source>The unsaved changes to %1 no longer fit the file.</source>
        <translation>As alterações não salvas em %1 não correspondem mais ao arquivo.</translation>
    </message>
    <message>
        <source>Save as New File</source>
        <translation>Salvar como novo arquivo</translation>
    </message>
    <message>
        <source>Unsaved changes to %1 are kept</source>
        <translation>As alterações não salvas de %1 são mantidas</translation>
    </message>
    <message>
        <source>The document cannot be found at &quot;%1&quot; right now. Its changes are offered again once it is back there.</source>
        <translation>No momento, o documento não está em &quot;%1&quot;. As alterações serão oferecidas novamente quando ele voltar para lá.</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Manter</translation>
    </message>
    <message>
        <source>The last session had more windows and tabs than are reopened at once. Documents not reopened: %1</source>
        <translation>A última sessão tinha mais janelas e abas do que as reabertas de uma vez. Documentos não reabertos: %1</translation>
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
        <translation>Anotações</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Anexos</translation>
    </message>
    <message>
        <source>This document has no bookmarks.</source>
        <translation>Este documento não tem marcadores.</translation>
    </message>
    <message>
        <source>This document has no attachments.</source>
        <translation>Este documento não tem anexos.</translation>
    </message>
    <message>
        <source>Search Results</source>
        <translation>Resultados da pesquisa</translation>
    </message>
    <message>
        <source>In a comment on page %1</source>
        <translation>Em um comentário na página %1</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Assinaturas</translation>
    </message>
</context>
<context>
    <name>CSignBox</name>
    <message>
        <source>Sign Document</source>
        <translation>Assinar documento</translation>
    </message>
    <message>
        <source>Sign &quot;%1&quot; with a certificate of your certificate store. The signed document is saved as a new file; this one stays as it is.</source>
        <translation>Assine &quot;%1&quot; com um certificado do seu repositório de certificados. O documento assinado é salvo como um novo arquivo; este fica como está.</translation>
    </message>
    <message>
        <source>Certificate store password</source>
        <translation>Senha do repositório de certificados</translation>
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
        <translation>Seu repositório de certificados não tem certificado para assinar. Importe um de um arquivo PKCS#12 (.p12, .pfx).</translation>
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
        <translation>Por exemplo: aprovo este documento</translation>
    </message>
    <message>
        <source>Reason:</source>
        <translation>Motivo:</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Local:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Optional: a PNG or JPEG shown in the signature</source>
        <translation>Opcional: um PNG ou JPEG exibido na assinatura</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Escolher...</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Escolher uma imagem</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Imagem:</translation>
    </message>
    <message>
        <source>Sign and Save As...</source>
        <translation>Assinar e salvar como...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Issued by %1, valid from %2 to %3</source>
        <translation>Emitido por %1, válido de %2 a %3</translation>
    </message>
    <message>
        <source>Key usage: %1</source>
        <translation>Uso da chave: %1</translation>
    </message>
    <message>
        <source>This is not the password of your certificate store.</source>
        <translation>Esta não é a senha do seu repositório de certificados.</translation>
    </message>
    <message>
        <source>Import Certificate</source>
        <translation>Importar certificado</translation>
    </message>
    <message>
        <source>Certificate Files (*.p12 *.pfx)</source>
        <translation>Arquivos de certificado (*.p12 *.pfx)</translation>
    </message>
    <message>
        <source>Password of the certificate file:</source>
        <translation>Senha do arquivo de certificado:</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Escolher uma imagem</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg)</source>
        <translation>Imagens (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Choose a certificate to sign with, or import one.</source>
        <translation>Escolha um certificado para assinar ou importe um.</translation>
    </message>
    <message>
        <source>The picture must be a PNG or JPEG file.</source>
        <translation>A imagem deve ser um arquivo PNG ou JPEG.</translation>
    </message>
</context>
<context>
    <name>CSignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>nome@example.com</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
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
        <translation>Assinaturas</translation>
    </message>
    <message>
        <source>Sign Document</source>
        <translation>Assinar documento</translation>
    </message>
    <message>
        <source>Signature Panel</source>
        <translation>Painel de assinaturas</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Close the signature bar</source>
        <translation>Fechar a barra de assinaturas</translation>
    </message>
    <message>
        <source>an unknown signer</source>
        <translation>um signatário desconhecido</translation>
    </message>
    <message>
        <source>Signed by %1, every signature is valid.</source>
        <translation>Assinado por %1; todas as assinaturas são válidas.</translation>
    </message>
    <message>
        <source>Signed by %1, the signature is valid.</source>
        <translation>Assinado por %1; a assinatura é válida.</translation>
    </message>
    <message>
        <source>Signed by %1; the document was changed after %2 signed it.</source>
        <translation>Assinado por %1; o documento foi alterado depois que %2 o assinou.</translation>
    </message>
    <message>
        <source>Signed by %1, the document was changed after signing.</source>
        <translation>Assinado por %1; o documento foi alterado após a assinatura.</translation>
    </message>
    <message>
        <source>Signed by %1; the certificate of %2 is not trusted.</source>
        <translation>Assinado por %1; o certificado de %2 não é confiável.</translation>
    </message>
    <message>
        <source>Signed by %1, the certificate is not trusted.</source>
        <translation>Assinado por %1; o certificado não é confiável.</translation>
    </message>
    <message>
        <source>Signed by %1; the signature of %2 is not valid.</source>
        <translation>Assinado por %1; a assinatura de %2 não é válida.</translation>
    </message>
    <message>
        <source>Signed by %1, the signature is not valid.</source>
        <translation>Assinado por %1; a assinatura não é válida.</translation>
    </message>
    <message>
        <source>Signed by %1; the signature of %2 cannot be checked.</source>
        <translation>Assinado por %1; não é possível verificar a assinatura de %2.</translation>
    </message>
    <message>
        <source>Signed by %1, the signature cannot be checked.</source>
        <translation>Assinado por %1; não é possível verificar a assinatura.</translation>
    </message>
    <message>
        <source>This document has a signature field waiting to be signed.</source>
        <translation>Este documento tem um campo de assinatura aguardando assinatura.</translation>
    </message>
    <message>
        <source>The signatures cannot be checked: the file changed since it was opened.</source>
        <translation>Não é possível verificar as assinaturas: o arquivo mudou desde que foi aberto.</translation>
    </message>
    <message>
        <source>Drag a box on a page for the signature, or click an empty signature field. Enter places it on the current page; Esc cancels.</source>
        <translation>Arraste uma caixa em uma página para a assinatura ou clique em um campo de assinatura vazio. Enter a coloca na página atual; Esc cancela.</translation>
    </message>
</context>
<context>
    <name>CSignatureController</name>
    <message>
        <source>Failed to Sign</source>
        <translation>Falha ao assinar</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>Falha ao abrir</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; before signing?</source>
        <translation>Salvar as alterações em &quot;%1&quot; antes de assinar?</translation>
    </message>
    <message>
        <source>A signature covers the document as it is saved.</source>
        <translation>Uma assinatura cobre o documento como ele está salvo.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save Signed Document</source>
        <translation>Salvar documento assinado</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Digitally signed by %1</source>
        <translation>Assinado digitalmente por %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>Local: %1</translation>
    </message>
    <message>
        <source>%1 (as signed by %2).pdf</source>
        <translation>%1 (como assinado por %2).pdf</translation>
    </message>
    <message>
        <source>unknown signer</source>
        <translation>signatário desconhecido</translation>
    </message>
</context>
<context>
    <name>CSignaturePanel</name>
    <message>
        <source>Signatures</source>
        <translation>Assinaturas</translation>
    </message>
    <message>
        <source>Open Signed Version</source>
        <translation>Abrir versão assinada</translation>
    </message>
    <message>
        <source>Opens the document as it was when the selected signature was made, in a new tab.</source>
        <translation>Abre em uma nova guia o documento como era quando a assinatura selecionada foi feita.</translation>
    </message>
    <message>
        <source>Sign Document</source>
        <translation>Assinar documento</translation>
    </message>
    <message>
        <source>The signature is valid.</source>
        <translation>A assinatura é válida.</translation>
    </message>
    <message>
        <source>The signature cannot be checked.</source>
        <translation>Não é possível verificar a assinatura.</translation>
    </message>
    <message>
        <source>The signature is intact, but the certificate is not trusted.</source>
        <translation>A assinatura está intacta, mas o certificado não é confiável.</translation>
    </message>
    <message>
        <source>The document was changed after signing.</source>
        <translation>O documento foi alterado após a assinatura.</translation>
    </message>
    <message>
        <source>The signature is not valid.</source>
        <translation>A assinatura não é válida.</translation>
    </message>
    <message>
        <source>Not signed yet.</source>
        <translation>Ainda não assinado.</translation>
    </message>
    <message>
        <source>The certificate is trusted.</source>
        <translation>O certificado é confiável.</translation>
    </message>
    <message>
        <source>Its issuer is marked as not trusted.</source>
        <translation>O emissor está marcado como não confiável.</translation>
    </message>
    <message>
        <source>Its issuer is not among the trusted certificates of this computer.</source>
        <translation>O emissor não está entre os certificados confiáveis deste computador.</translation>
    </message>
    <message>
        <source>The certificate was revoked by its issuer.</source>
        <translation>O certificado foi revogado pelo emissor.</translation>
    </message>
    <message>
        <source>The certificate was not valid at the time of signing.</source>
        <translation>O certificado não era válido no momento da assinatura.</translation>
    </message>
    <message>
        <source>The certificate could not be checked.</source>
        <translation>Não foi possível verificar o certificado.</translation>
    </message>
    <message>
        <source>Checking the signatures...</source>
        <translation>Verificando as assinaturas...</translation>
    </message>
    <message>
        <source>This document has no signatures.</source>
        <translation>Este documento não tem assinaturas.</translation>
    </message>
    <message>
        <source>Unknown signer</source>
        <translation>Signatário desconhecido</translation>
    </message>
    <message>
        <source>Empty signature field %1</source>
        <translation>Campo de assinatura vazio %1</translation>
    </message>
    <message>
        <source>Field &quot;%1&quot; on page %2</source>
        <translation>Campo &quot;%1&quot; na página %2</translation>
    </message>
    <message>
        <source>On page %1</source>
        <translation>Na página %1</translation>
    </message>
    <message>
        <source>Signed on %1</source>
        <translation>Assinado em %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>Local: %1</translation>
    </message>
    <message>
        <source>Covers the whole document.</source>
        <translation>Cobre o documento inteiro.</translation>
    </message>
    <message>
        <source>Covers an earlier revision of the document (its first %1 bytes); later changes are not signed.</source>
        <translation>Cobre uma revisão anterior do documento (os primeiros %1 bytes); alterações posteriores não estão assinadas.</translation>
    </message>
    <message>
        <source>Certificate issued by %1</source>
        <translation>Certificado emitido por %1</translation>
    </message>
    <message>
        <source>The certificate is self-signed.</source>
        <translation>O certificado é autoassinado.</translation>
    </message>
    <message>
        <source>Certificate valid from %1 to %2</source>
        <translation>Certificado válido de %1 a %2</translation>
    </message>
    <message>
        <source>Key usage: %1</source>
        <translation>Uso da chave: %1</translation>
    </message>
    <message>
        <source>Subject: %1</source>
        <translation>Titular: %1</translation>
    </message>
    <message>
        <source>Serial number: %1</source>
        <translation>Número de série: %1</translation>
    </message>
</context>
<context>
    <name>CSignatures</name>
    <message>
        <source>The signed document must be saved as a new file; the original stays as it is.</source>
        <translation>O documento assinado deve ser salvo como um novo arquivo; o original fica como está.</translation>
    </message>
    <message>
        <source>Choose a certificate to sign with.</source>
        <translation>Escolha um certificado para assinar.</translation>
    </message>
    <message>
        <source>The document could not be read.</source>
        <translation>Não foi possível ler o documento.</translation>
    </message>
    <message>
        <source>The folder of the new file does not allow writing.</source>
        <translation>A pasta do novo arquivo não permite gravação.</translation>
    </message>
    <message>
        <source>The document could not be signed: there is no room for a temporary file.</source>
        <translation>Não foi possível assinar o documento: não há espaço para um arquivo temporário.</translation>
    </message>
    <message>
        <source>The document has no signature field of this name.</source>
        <translation>O documento não tem campo de assinatura com este nome.</translation>
    </message>
    <message>
        <source>This signature field is signed already.</source>
        <translation>Este campo de assinatura já está assinado.</translation>
    </message>
    <message>
        <source>Draw the place of the signature on a page first.</source>
        <translation>Desenhe primeiro o local da assinatura em uma página.</translation>
    </message>
    <message>
        <source>The document could not be signed with this certificate. Its key may be missing from the store, or the store may be locked.</source>
        <translation>Não foi possível assinar o documento com este certificado. A chave pode não estar no repositório, ou o repositório pode estar bloqueado.</translation>
    </message>
    <message>
        <source>The signed document could not be written to %1.</source>
        <translation>Não foi possível gravar o documento assinado em %1.</translation>
    </message>
    <message>
        <source>The signed version is no longer in the file.</source>
        <translation>A versão assinada não está mais no arquivo.</translation>
    </message>
    <message>
        <source>The signed version could not be written to %1.</source>
        <translation>Não foi possível gravar a versão assinada em %1.</translation>
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
        <translation>Páginas por arquivo:</translation>
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
        <translation>As %1 páginas viram %2 arquivos.</translation>
    </message>
</context>
<context>
    <name>CTabBar</name>
    <message>
        <source>Close Tab</source>
        <translation>Fechar aba</translation>
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
        <translation>Abas abertas</translation>
    </message>
</context>
<context>
    <name>CTextOverlay</name>
    <message>
        <source>The text is too long: at most %1 characters can be added at once.</source>
        <translation>O texto é longo demais: no máximo %1 caracteres podem ser adicionados de uma vez.</translation>
    </message>
    <message>
        <source>The text must start on the page.</source>
        <translation>O texto deve começar na página.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; is not installed.</source>
        <translation>A fonte &quot;%1&quot; não está instalada.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; has no character for &quot;%2&quot;. Choose a font that has it.</source>
        <translation>A fonte &quot;%1&quot; não tem o caractere &quot;%2&quot;. Escolha uma fonte que o tenha.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; cannot be embedded in a document. Choose another font.</source>
        <translation>A fonte &quot;%1&quot; não pode ser incorporada a um documento. Escolha outra fonte.</translation>
    </message>
</context>
<context>
    <name>CTextRecognizer</name>
    <message>
        <source>no text recognition languages are installed</source>
        <translation>nenhum idioma de reconhecimento de texto está instalado</translation>
    </message>
    <message>
        <source>no language data for &quot;%1&quot; is installed</source>
        <translation>não há dados de idioma instalados para &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no language chosen</source>
        <translation>nenhum idioma escolhido</translation>
    </message>
    <message>
        <source>the language data could not be read</source>
        <translation>não foi possível ler os dados de idioma</translation>
    </message>
    <message>
        <source>no picture to read</source>
        <translation>nenhuma imagem para ler</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memória insuficiente</translation>
    </message>
    <message>
        <source>the picture could not be read</source>
        <translation>não foi possível ler a imagem</translation>
    </message>
    <message>
        <source>the text could not be written</source>
        <translation>não foi possível gravar o texto</translation>
    </message>
</context>
<context>
    <name>CUpdateDialog</name>
    <message>
        <source>Check for Updates</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message>
        <source>You are using version %1.</source>
        <translation>Você está usando a versão %1.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Baixar</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Verificando atualizações...</translation>
    </message>
    <message>
        <source>%1 is up to date.</source>
        <translation>O %1 está atualizado.</translation>
    </message>
    <message>
        <source>A new version %1 is available.</source>
        <translation>Uma nova versão %1 está disponível.</translation>
    </message>
    <message>
        <source>Could not reach the update service. Please check your connection and try again.</source>
        <translation>Não foi possível acessar o serviço de atualizações. Verifique sua conexão e tente novamente.</translation>
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
        <translation>Conta</translation>
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
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>DisplayOption</name>
    <message>
        <source>Display</source>
        <translation>Exibição</translation>
    </message>
    <message>
        <source>Default Page View</source>
        <translation>Visualização de página padrão</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Tamanho real</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ajustar à página</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Ajustar à largura</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>Ajustar à altura</translation>
    </message>
    <message>
        <source>Default Page Layout</source>
        <translation>Layout de página padrão</translation>
    </message>
    <message>
        <source>Single Page View</source>
        <translation>Página única</translation>
    </message>
    <message>
        <source>Single Page Scrolling</source>
        <translation>Rolagem de página única</translation>
    </message>
    <message>
        <source>Two Page View</source>
        <translation>Duas páginas</translation>
    </message>
    <message>
        <source>Two Page Scrolling</source>
        <translation>Rolagem de duas páginas</translation>
    </message>
    <message>
        <source>Default Cursor</source>
        <translation>Cursor padrão</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecionar</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Mão</translation>
    </message>
</context>
<context>
    <name>DocumentMenu</name>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Open Recents</source>
        <translation>Abrir recentes</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>Criar PDF</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>Fechar aba</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fechar janela</translation>
    </message>
    <message>
        <source>Close All Windows</source>
        <translation>Fechar todas as janelas</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>Open File Location</source>
        <translation>Abrir local do arquivo</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartilhar</translation>
    </message>
    <message>
        <source>Document Properties</source>
        <translation>Propriedades do documento</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Exibir</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Exibição</translation>
    </message>
    <message>
        <source>Single Page View</source>
        <translation>Página única</translation>
    </message>
    <message>
        <source>Single Page Scrolling</source>
        <translation>Rolagem de página única</translation>
    </message>
    <message>
        <source>Two Page View</source>
        <translation>Duas páginas</translation>
    </message>
    <message>
        <source>Two Page Scrolling</source>
        <translation>Rolagem de duas páginas</translation>
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
        <translation>Anotações</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Anexos</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Tamanho real</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ajustar à página</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Ajustar à largura</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>Ajustar à altura</translation>
    </message>
    <message>
        <source>Enter Read Mode</source>
        <translation>Entrar no modo de leitura</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Ir</translation>
    </message>
    <message>
        <source>First Page</source>
        <translation>Primeira página</translation>
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
        <translation>Próxima página</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Para cima</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Para baixo</translation>
    </message>
    <message>
        <source>Go to Page</source>
        <translation>Ir para a página</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Janela</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Move Window to Left Side of Screen</source>
        <translation>Mover janela para o lado esquerdo da tela</translation>
    </message>
    <message>
        <source>Move Window to Right Side of Screen</source>
        <translation>Mover janela para o lado direito da tela</translation>
    </message>
    <message>
        <source>Replace Tiled Window</source>
        <translation>Substituir janela lado a lado</translation>
    </message>
    <message>
        <source>Show Next Tab</source>
        <translation>Mostrar próxima aba</translation>
    </message>
    <message>
        <source>Show Previous Tab</source>
        <translation>Mostrar aba anterior</translation>
    </message>
    <message>
        <source>Move Tab to New Window</source>
        <translation>Mover aba para nova janela</translation>
    </message>
    <message>
        <source>Bring All to Front</source>
        <translation>Trazer tudo para a frente</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>Open in New Window</source>
        <translation>Abrir em nova janela</translation>
    </message>
    <message>
        <source>Close Other Tabs</source>
        <translation>Fechar outras abas</translation>
    </message>
    <message>
        <source>Close All Tabs</source>
        <translation>Fechar todas as abas</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aparência</translation>
    </message>
    <message>
        <source>Follow System</source>
        <translation>Seguir o sistema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Escuro</translation>
    </message>
    <message>
        <source>Create Desktop Shortcut</source>
        <translation>Criar atalho na área de trabalho</translation>
    </message>
    <message>
        <source>Set as Default</source>
        <translation>Definir como padrão</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guia do usuário</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>Perguntas frequentes</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Enviar feedback</translation>
    </message>
    <message>
        <source>Support Center</source>
        <translation>Central de suporte</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
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
        <translation>Cores da página</translation>
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
        <translation>Alto contraste</translation>
    </message>
    <message>
        <source>Dark Pages with the Dark Appearance</source>
        <translation>Páginas escuras com a aparência escura</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentar</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Girar para a esquerda</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Girar para a direita</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>Apresentação</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Leave Read Mode</source>
        <translation>Sair do modo de leitura</translation>
    </message>
    <message>
        <source>Sign Document...</source>
        <translation>Assinar documento...</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Assinaturas</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>Reconhecer texto</translation>
    </message>
    <message>
        <source>Edit Page Content</source>
        <translation>Editar conteúdo da página</translation>
    </message>
</context>
<context>
    <name>GeneralOption</name>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Set %1 as default PDF reader</source>
        <translation>Definir o %1 como leitor de PDF padrão</translation>
    </message>
    <message>
        <source>Quit program when all windows are closed</source>
        <translation>Sair do programa quando todas as janelas forem fechadas</translation>
    </message>
    <message>
        <source>Restore last view settings when reopening documents</source>
        <translation>Restaurar as últimas configurações de visualização ao reabrir documentos</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Display Language</source>
        <translation>Idioma da interface</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aparência</translation>
    </message>
    <message>
        <source>Follow System</source>
        <translation>Seguir o sistema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Escuro</translation>
    </message>
    <message>
        <source>Reopen documents from last time</source>
        <translation>Reabrir os documentos da última vez</translation>
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
        <translation>Criar PDF</translation>
    </message>
    <message>
        <source>Popular Tools</source>
        <translation>Ferramentas populares</translation>
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
        <translation>Organizar PDFs</translation>
    </message>
    <message>
        <source>Encrypt PDF</source>
        <translation>Criptografar PDF</translation>
    </message>
    <message>
        <source>Edit text, images and links in your PDF effortlessly</source>
        <translation>Edite textos, imagens e links no seu PDF sem esforço</translation>
    </message>
    <message>
        <source>Create a Blank Page PDF in a second</source>
        <translation>Crie um PDF com uma página em branco em um segundo</translation>
    </message>
    <message>
        <source>Print your PDF document quickly and easily</source>
        <translation>Imprima seus documentos PDF de forma rápida e fácil</translation>
    </message>
    <message>
        <source>Simply sort, add, delete PDF pages and etc.</source>
        <translation>Ordene, adicione e exclua páginas de PDF facilmente, e muito mais.</translation>
    </message>
    <message>
        <source>Password protect your PDF from unauthorized access</source>
        <translation>Proteja seu PDF com senha contra acesso não autorizado</translation>
    </message>
    <message>
        <source>You&apos;ve gone Incognito</source>
        <translation>Você está no modo anônimo</translation>
    </message>
    <message>
        <source>The history of the files you have viewed will not be saved.</source>
        <translation>O histórico dos arquivos que você visualizar não será salvo.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Add text, pictures and links to pages; move, resize or delete pictures; change where links lead. Text that is already on a page cannot be changed.</source>
        <translation>Adicione texto, imagens e links às páginas; mova, redimensione ou exclua imagens; altere o destino dos links. O texto que já está em uma página não pode ser alterado.</translation>
    </message>
</context>
<context>
    <name>LogGuidBox</name>
    <message>
        <source>Log In Your Marvik Account</source>
        <translation>Entre na sua conta Marvik</translation>
    </message>
    <message>
        <source>Work across desktop &amp; mobile</source>
        <translation>Trabalhe no computador e no celular</translation>
    </message>
    <message>
        <source>Support multiple languages</source>
        <translation>Suporte a vários idiomas</translation>
    </message>
    <message>
        <source>Free customer support</source>
        <translation>Atendimento ao cliente gratuito</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Entrar</translation>
    </message>
</context>
<context>
    <name>MKMainWindow</name>
    <message>
        <source>Version: %1</source>
        <translation>Versão: %1</translation>
    </message>
    <message>
        <source>System: %1</source>
        <translation>Sistema: %1</translation>
    </message>
    <message>
        <source>%1 %2 feedback</source>
        <translation>Feedback sobre o %1 %2</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Conta</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>Conectado como %1</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>MainBox</name>
    <message>
        <source>The file could not be renamed. It may be in use, or the folder may not allow changes.</source>
        <translation>Não foi possível renomear o arquivo. Ele pode estar em uso ou a pasta pode não permitir alterações.</translation>
    </message>
    <message>
        <source>Failed to Rename</source>
        <translation>Falha ao renomear</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>Falha ao abrir</translation>
    </message>
    <message>
        <source>The attachment could not be read from the document.</source>
        <translation>Não foi possível ler o anexo do documento.</translation>
    </message>
    <message>
        <source>The attachment could not be saved.</source>
        <translation>Não foi possível salvar o anexo.</translation>
    </message>
    <message>
        <source>Do you want to save changes to &quot;%1&quot; before closing?</source>
        <translation>Deseja salvar as alterações em &quot;%1&quot; antes de fechar?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don&apos;t save them.</source>
        <translation>Suas alterações serão perdidas se você não salvá-las.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Não salvar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Cannot Organize Pages</source>
        <translation>Não é possível organizar as páginas</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow changing its pages. Open it with its permissions password to organize it.</source>
        <translation>As permissões do documento não permitem alterar suas páginas. Abra-o com a senha de permissões para organizá-lo.</translation>
    </message>
    <message>
        <source>Save the page changes to &quot;%1&quot;?</source>
        <translation>Salvar as alterações de páginas em &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>The reading view shows the pages once they are saved.</source>
        <translation>A visualização de leitura mostra as páginas depois de salvas.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>The file might have been moved, damaged, or deleted.</source>
        <translation>O arquivo pode ter sido movido, danificado ou excluído.</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Startup Page</source>
        <translation>Página inicial</translation>
    </message>
    <message>
        <source>Open PDF</source>
        <translation>Abrir PDF</translation>
    </message>
    <message>
        <source>Open Tabs</source>
        <translation>Abas abertas</translation>
    </message>
    <message>
        <source>Shortcut already exists.</source>
        <translation>O atalho já existe.</translation>
    </message>
    <message>
        <source>Shortcut successfully created!</source>
        <translation>Atalho criado com sucesso!</translation>
    </message>
    <message>
        <source>Failed to create shortcuts.</source>
        <translation>Falha ao criar o atalho.</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>Falha ao abrir</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Do you want to close all tabs or the current tab?</source>
        <translation>Deseja fechar todas as abas ou apenas a aba atual?</translation>
    </message>
    <message>
        <source>Always close all tabs</source>
        <translation>Sempre fechar todas as abas</translation>
    </message>
    <message>
        <source>Close Current Tab</source>
        <translation>Fechar aba atual</translation>
    </message>
    <message>
        <source>Close All Tabs</source>
        <translation>Fechar todas as abas</translation>
    </message>
    <message>
        <source>Do you want to set %1 as your default PDF viewer?</source>
        <translation>Deseja definir o %1 como seu visualizador de PDF padrão?</translation>
    </message>
    <message>
        <source>Don&apos;t show again</source>
        <translation>Não mostrar novamente</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Mais tarde</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Failed to Create PDF</source>
        <translation>Falha ao criar o PDF</translation>
    </message>
    <message>
        <source>The new document could not be written to &quot;%1&quot;. Check that the folder exists and that you may write there.</source>
        <translation>Não foi possível gravar o novo documento em &quot;%1&quot;. Verifique se a pasta existe e se você tem permissão de gravação.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is an address on the network, not a file on this computer. Save the document, then open the saved file.</source>
        <translation>&quot;%1&quot; é um endereço da rede, não um arquivo deste computador. Salve o documento e abra o arquivo salvo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found. It may have been moved, renamed or deleted.</source>
        <translation>&quot;%1&quot; não foi encontrado. Ele pode ter sido movido, renomeado ou excluído.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a PDF document.</source>
        <translation>&quot;%1&quot; é uma pasta, não um documento PDF.</translation>
    </message>
    <message>
        <source>You do not have permission to read &quot;%1&quot;.</source>
        <translation>Você não tem permissão para ler &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a PDF document, or it is too damaged to be recognised as one.</source>
        <translation>&quot;%1&quot; não é um documento PDF ou está danificado demais para ser reconhecido como um.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a PDF document but a file of another kind (%2).</source>
        <translation>&quot;%1&quot; não é um documento PDF, mas um arquivo de outro tipo (%2).</translation>
    </message>
</context>
<context>
    <name>PrivacyOption</name>
    <message>
        <source>Privacy</source>
        <translation>Privacidade</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics</source>
        <translation>Enviar estatísticas de uso anônimas</translation>
    </message>
    <message>
        <source>Send crash reports</source>
        <translation>Enviar relatórios de falhas</translation>
    </message>
    <message>
        <source>Usage statistics count how often %1 starts and which features are used; a crash report holds what the program was doing when it crashed and the end of its log. Neither holds the names or content of your documents, and nothing is sent unless you tick it here.</source>
        <translation>As estatísticas de uso contam quantas vezes o %1 é iniciado e quais recursos são usados; um relatório de falha contém o que o programa fazia quando falhou e o final do seu registro. Nenhum deles contém os nomes ou o conteúdo dos seus documentos, e nada é enviado a menos que você marque aqui.</translation>
    </message>
</context>
<context>
    <name>QWKDialogBar</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>RecentPage</name>
    <message>
        <source>Recents</source>
        <translation>Recentes</translation>
    </message>
    <message>
        <source>Incognito Mode</source>
        <translation>Modo anônimo</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Exibição em lista</translation>
    </message>
    <message>
        <source>Grid View</source>
        <translation>Exibição em grade</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Files you have recently viewed or worked with will be listed here</source>
        <translation>Os arquivos que você visualizou ou editou recentemente serão listados aqui</translation>
    </message>
    <message>
        <source>Open PDF</source>
        <translation>Abrir PDF</translation>
    </message>
    <message>
        <source>Are you sure to clear all the records?</source>
        <translation>Tem certeza de que deseja limpar todos os registros?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Arquivos recentes</translation>
    </message>
</context>
<context>
    <name>ReportConsent</name>
    <message>
        <source>Help Improve %1</source>
        <translation>Ajude a melhorar o %1</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics and crash reports?</source>
        <translation>Enviar estatísticas de uso anônimas e relatórios de falhas?</translation>
    </message>
    <message>
        <source>They tell how often %1 starts and what made it crash, never which documents you open or anything about you. You can change this at any time in Preferences.</source>
        <translation>Eles mostram quantas vezes o %1 é iniciado e o que causou uma falha, nunca quais documentos você abre nem nada sobre você. Você pode mudar isso a qualquer momento em Preferências.</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
</context>
<context>
    <name>SettingOption</name>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
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
        <translation>Geral</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Exibição</translation>
    </message>
    <message>
        <source>Blank PDF</source>
        <translation>PDF em branco</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacidade</translation>
    </message>
</context>
</TS>
