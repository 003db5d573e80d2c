<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AssocGuidBox</name>
    <message>
        <source>Two Steps to Set %1 as the Default PDF Viewer</source>
        <translation>两步将 %1 设为默认 PDF 阅读器</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>第 1 步</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>第 2 步</translation>
    </message>
    <message>
        <source>Click %1 below, then click %2 in the pop-up.</source>
        <translation>点击下方的%1，然后在弹出窗口中点击%2。</translation>
    </message>
    <message>
        <source>Set as Default</source>
        <translation>设为默认</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>更改</translation>
    </message>
    <message>
        <source>Select %1 from the list, then click %2 to apply changes.</source>
        <translation>从列表中选择 %1，然后点击%2以应用更改。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>BlankOption</name>
    <message>
        <source>Blank PDF</source>
        <translation>空白 PDF</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>页数</translation>
    </message>
    <message>
        <source>Page Size</source>
        <translation>页面大小</translation>
    </message>
    <message>
        <source>Fixed Size</source>
        <translation>固定大小</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>纵向</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>横向</translation>
    </message>
    <message>
        <source>Lock aspect ratio</source>
        <translation>锁定纵横比</translation>
    </message>
    <message>
        <source>Unlock aspect ration</source>
        <translation>取消锁定纵横比</translation>
    </message>
    <message>
        <source>Keep Aspect Ratio</source>
        <translation>保持纵横比</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高度</translation>
    </message>
</context>
<context>
    <name>CAboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>%1 is a tabbed PDF reader for the desktop.</source>
        <translation>%1 是一款支持多标签页的桌面 PDF 阅读器。</translation>
    </message>
    <message>
        <source>This application uses open-source libraries, each under its own license.</source>
        <translation>本应用程序使用了若干开源库，各自遵循其相应的许可证。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>CAnnotationLayer</name>
    <message>
        <source>Add %1</source>
        <translation>添加%1</translation>
    </message>
    <message>
        <source>Delete Comment</source>
        <translation>删除注释</translation>
    </message>
    <message>
        <source>Edit Comment Text</source>
        <translation>编辑注释文字</translation>
    </message>
    <message>
        <source>Erase Comments</source>
        <translation>擦除注释</translation>
    </message>
    <message>
        <source>Move Comment</source>
        <translation>移动注释</translation>
    </message>
    <message>
        <source>Resize Comment</source>
        <translation>调整注释大小</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>编辑文字</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Change Comment Color</source>
        <translation>更改注释颜色</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>CAnnotationPanel</name>
    <message>
        <source>Page %1 (%2)</source>
        <translation>第 %1 页 (%2)</translation>
    </message>
    <message>
        <source>This document has no annotations.</source>
        <translation>此文档没有注释。</translation>
    </message>
</context>
<context>
    <name>CChangeWatcher</name>
    <message>
        <source>Document Changed</source>
        <translation>文档已更改</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>“%1”已被其他程序更改。要重新加载并丢弃未保存的更改吗？</translation>
    </message>
    <message>
        <source>Keep My Version</source>
        <translation>保留我的版本</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>重新加载</translation>
    </message>
</context>
<context>
    <name>CClearEdit</name>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
</context>
<context>
    <name>CCommentController</name>
    <message>
        <source>Change Comment Color</source>
        <translation>更改注释颜色</translation>
    </message>
    <message>
        <source>Change Comment Opacity</source>
        <translation>更改注释不透明度</translation>
    </message>
    <message>
        <source>Change Line Width</source>
        <translation>更改线宽</translation>
    </message>
    <message>
        <source>Change Font Size</source>
        <translation>更改字号</translation>
    </message>
    <message>
        <source>Cannot Add Comments</source>
        <translation>无法添加注释</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow adding comments.</source>
        <translation>文档的权限不允许添加注释。</translation>
    </message>
</context>
<context>
    <name>CCommentOptions</name>
    <message>
        <source>Highlight</source>
        <translation>高亮</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>下划线</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>删除线</translation>
    </message>
    <message>
        <source>Squiggly</source>
        <translation>波浪线</translation>
    </message>
    <message>
        <source>Sticky Note</source>
        <translation>便笺</translation>
    </message>
    <message>
        <source>Text Box</source>
        <translation>文本框</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>画笔</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>椭圆</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>直线</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>箭头</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>橡皮擦</translation>
    </message>
</context>
<context>
    <name>CCommentToolBar</name>
    <message>
        <source>Select Comments</source>
        <translation>选择注释</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>更多颜色...</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>粗细</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>线宽</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>字号</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>字号</translation>
    </message>
    <message>
        <source>Close Comment Tools</source>
        <translation>关闭注释工具</translation>
    </message>
</context>
<context>
    <name>CDocumentSaver</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>Failed to Save</source>
        <translation>保存失败</translation>
    </message>
    <message>
        <source>Cannot Change Protection</source>
        <translation>无法更改保护</translation>
    </message>
    <message>
        <source>Replace &quot;%1&quot; with the protected version?</source>
        <translation>用受保护的版本替换“%1”？</translation>
    </message>
    <message>
        <source>The file will need the password to open from now on.</source>
        <translation>今后打开此文件需要密码。</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>Save as New File</source>
        <translation>另存为新文件</translation>
    </message>
    <message>
        <source>Remove the password from &quot;%1&quot;?</source>
        <translation>移除“%1”的密码？</translation>
    </message>
    <message>
        <source>Anyone will be able to open the file.</source>
        <translation>任何人都能打开该文件。</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Saving will break the signatures of &quot;%1&quot;.</source>
        <translation>保存将使“%1”的签名失效。</translation>
    </message>
    <message>
        <source>Changed pages or protection rewrite the whole file, and the signatures in it will no longer be valid. Save as a new file to keep the signed original.</source>
        <translation>更改的页面或保护会重写整个文件，文件中的签名将不再有效。请另存为新文件以保留已签名的原件。</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>仍然保存</translation>
    </message>
</context>
<context>
    <name>CDocumentToolBar</name>
    <message>
        <source>Thumbnails</source>
        <translation>缩略图</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>查找 (Ctrl+F)</translation>
    </message>
    <message>
        <source>Organize Pages</source>
        <translation>整理页面</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>上一页</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>下一页</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>实际大小</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>适合页面</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>适合宽度</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>适合高度</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Enter Read Mode</source>
        <translation>进入阅读模式</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>注释</translation>
    </message>
    <message>
        <source>This document does not allow comments</source>
        <translation>此文档不允许添加注释</translation>
    </message>
    <message>
        <source>Page Number</source>
        <translation>页码</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>缩放</translation>
    </message>
</context>
<context>
    <name>CEditRecovery</name>
    <message>
        <source>Recover Changes</source>
        <translation>恢复更改</translation>
    </message>
</context>
<context>
    <name>CEditSession</name>
    <message>
        <source>Restore Page Changes</source>
        <translation>恢复页面更改</translation>
    </message>
    <message>
        <source>Restore Recognized Text</source>
        <translation>恢复识别的文本</translation>
    </message>
    <message>
        <source>Restore Page Edits</source>
        <translation>恢复页面编辑</translation>
    </message>
</context>
<context>
    <name>CEncryptBox</name>
    <message>
        <source>Encrypt PDF</source>
        <translation>加密 PDF</translation>
    </message>
    <message>
        <source>Set a password that is needed to open &quot;%1&quot;.</source>
        <translation>设置打开“%1”所需的密码。</translation>
    </message>
    <message>
        <source>Open password:</source>
        <translation>打开密码：</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>确认密码：</translation>
    </message>
    <message>
        <source>Restrict printing and editing with a permissions password</source>
        <translation>使用权限密码限制打印和编辑</translation>
    </message>
    <message>
        <source>Permissions password:</source>
        <translation>权限密码：</translation>
    </message>
    <message>
        <source>Allow printing</source>
        <translation>允许打印</translation>
    </message>
    <message>
        <source>Allow copying text and images</source>
        <translation>允许复制文本和图像</translation>
    </message>
    <message>
        <source>Allow editing</source>
        <translation>允许编辑</translation>
    </message>
    <message>
        <source>Allow commenting</source>
        <translation>允许注释</translation>
    </message>
    <message>
        <source>Allow filling in forms</source>
        <translation>允许填写表单</translation>
    </message>
    <message>
        <source>Allow inserting, deleting and rotating pages</source>
        <translation>允许插入、删除和旋转页面</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>加密：</translation>
    </message>
    <message>
        <source>AES-256 (recommended)</source>
        <translation>AES-256(推荐)</translation>
    </message>
    <message>
        <source>AES-128 (for older readers)</source>
        <translation>AES-128(适用于较旧的阅读器)</translation>
    </message>
    <message>
        <source>Remove Protection</source>
        <translation>移除保护</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save as New File...</source>
        <translation>另存为新文件...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>弱</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>强</translation>
    </message>
    <message>
        <source>Strength: %1</source>
        <translation>强度：%1</translation>
    </message>
    <message>
        <source>Enter a password to open the document.</source>
        <translation>请输入打开文档的密码。</translation>
    </message>
    <message>
        <source>The passwords do not match. Type the open password again in both fields.</source>
        <translation>密码不一致。请在两个栏中重新输入打开密码。</translation>
    </message>
    <message>
        <source>Enter a permissions password, or turn the restrictions off.</source>
        <translation>请输入权限密码，或关闭限制。</translation>
    </message>
    <message>
        <source>The permissions passwords do not match. Type it again in both fields.</source>
        <translation>权限密码不一致。请在两个栏中重新输入。</translation>
    </message>
    <message>
        <source>The permissions password must differ from the open password.</source>
        <translation>权限密码必须与打开密码不同。</translation>
    </message>
</context>
<context>
    <name>CFileListView</name>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>固定</translation>
    </message>
    <message>
        <source>Unpin</source>
        <translation>取消固定</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Open File Location</source>
        <translation>打开文件所在位置</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>从列表中移除</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>打开失败</translation>
    </message>
    <message>
        <source>The file might have been moved, damaged, or deleted.</source>
        <translation>该文件可能已被移动、损坏或删除。</translation>
    </message>
    <message>
        <source>Failed to Rename</source>
        <translation>重命名失败</translation>
    </message>
    <message>
        <source>The file could not be renamed. It may be in use, or the folder may not allow changes.</source>
        <translation>无法重命名该文件。文件可能正在使用中，或文件夹不允许更改。</translation>
    </message>
</context>
<context>
    <name>CFindBar</name>
    <message>
        <source>Find in document</source>
        <translation>在文档中查找</translation>
    </message>
    <message>
        <source>Previous Match (Shift+F3)</source>
        <translation>上一个匹配项 (Shift+F3)</translation>
    </message>
    <message>
        <source>Next Match (F3)</source>
        <translation>下一个匹配项 (F3)</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>区分大小写</translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation>全字匹配</translation>
    </message>
    <message>
        <source>Show All Results</source>
        <translation>显示全部结果</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>关闭 (Esc)</translation>
    </message>
    <message>
        <source>No text in this document</source>
        <translation>此文档中没有文字</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>第 %1 个，共 %2 个</translation>
    </message>
    <message>
        <source>No results</source>
        <translation>无结果</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stop Searching</source>
        <translation>停止搜索</translation>
    </message>
    <message>
        <source>%1 of %2, %3 of %4 pages searched</source>
        <translation>第 %1 个，共 %2 个；已搜索 %3/%4 页</translation>
    </message>
    <message>
        <source>%1 found, %2 of %3 pages searched</source>
        <translation>找到 %1 个；已搜索 %2/%3 页</translation>
    </message>
    <message>
        <source>%1 of %2, stopped after %3 of %4 pages</source>
        <translation>第 %1 个，共 %2 个；在 %3/%4 页后停止</translation>
    </message>
    <message>
        <source>%1 found, stopped after %2 of %3 pages</source>
        <translation>找到 %1 个；在 %2/%3 页后停止</translation>
    </message>
</context>
<context>
    <name>CFormBar</name>
    <message>
        <source>Highlight Fields</source>
        <translation>突出显示字段</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>This document contains form fields you can fill in.</source>
        <translation>此文档包含可填写的表单域。</translation>
    </message>
    <message>
        <source>This document contains form fields, but its permissions do not allow filling them in.</source>
        <translation>此文档包含表单域，但其权限不允许填写。</translation>
    </message>
    <message>
        <source>This form uses XFA, which is not supported. Its fields cannot be shown or filled in here.</source>
        <translation>此表单使用不受支持的 XFA，无法在此显示或填写其字段。</translation>
    </message>
</context>
<context>
    <name>CFormLayer</name>
    <message>
        <source>Reset Form</source>
        <translation>重置表单</translation>
    </message>
    <message>
        <source>Fill In Form</source>
        <translation>填写表单</translation>
    </message>
</context>
<context>
    <name>CGotoPageBox</name>
    <message>
        <source>Go to Page</source>
        <translation>转到页面</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>页码</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>共 %1 页</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>转到</translation>
    </message>
    <message>
        <source>Page Number</source>
        <translation>页码</translation>
    </message>
</context>
<context>
    <name>CLinkActions</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Open this link?</source>
        <translation>打开此链接?</translation>
    </message>
    <message>
        <source>The document links to &quot;%1&quot;, which another program will open.</source>
        <translation>文档链接到“%1”,将由其他程序打开。</translation>
    </message>
    <message>
        <source>Cannot Open the Linked File</source>
        <translation>无法打开链接的文件</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>找不到“%1”。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Open this file?</source>
        <translation>打开此文件?</translation>
    </message>
    <message>
        <source>The document links to &quot;%1&quot; (%2), which another program will open.</source>
        <translation>文档链接到“%1”(%2),将由其他程序打开。</translation>
    </message>
</context>
<context>
    <name>CLinkLayer</name>
    <message>
        <source>Go to page %1</source>
        <translation>转到第 %1 页</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <translation>写信给 %1</translation>
    </message>
    <message>
        <source>Open %1 at page %2</source>
        <translation>在第 %2 页打开 %1</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>打开 %1</translation>
    </message>
    <message>
        <source>Viewer command: %1</source>
        <translation>阅读器命令:%1</translation>
    </message>
    <message>
        <source>Runs the program %1; links that run programs are not followed</source>
        <translation>运行程序 %1;不会跟随运行程序的链接</translation>
    </message>
    <message>
        <source>Runs a script; links that run scripts are not followed</source>
        <translation>运行脚本;不会跟随运行脚本的链接</translation>
    </message>
</context>
<context>
    <name>CLinkTargetBox</name>
    <message>
        <source>Link Target</source>
        <translation>链接目标</translation>
    </message>
    <message>
        <source>Page of this document</source>
        <translation>本文档的页面</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>页码</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>网址</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CLoadingPage</name>
    <message>
        <source>Opening &quot;%1&quot;...</source>
        <translation>正在打开“%1”...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CMemberManager</name>
    <message>
        <source>Could not reach the account service. Please check your connection and try again.</source>
        <translation>无法连接到账户服务。请检查网络连接后重试。</translation>
    </message>
    <message>
        <source>Signing in is already in progress.</source>
        <translation>正在登录中。</translation>
    </message>
    <message>
        <source>Please enter a valid e-mail address.</source>
        <translation>请输入有效的电子邮件地址。</translation>
    </message>
    <message>
        <source>Please enter your password.</source>
        <translation>请输入密码。</translation>
    </message>
    <message>
        <source>The e-mail address or password is incorrect.</source>
        <translation>电子邮件地址或密码不正确。</translation>
    </message>
    <message>
        <source>The account service sent an answer that could not be read. Please try again later.</source>
        <translation>账户服务返回了无法读取的响应。请稍后重试。</translation>
    </message>
</context>
<context>
    <name>CNssStore</name>
    <message>
        <source>The certificate store in %1 could not be opened.</source>
        <translation>无法打开 %1 中的证书存储。</translation>
    </message>
    <message>
        <source>The certificate store is locked. Give its password first.</source>
        <translation>证书存储已锁定。请先输入其密码。</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>无法读取该文件。</translation>
    </message>
    <message>
        <source>The file is not a certificate file (PKCS#12).</source>
        <translation>该文件不是证书文件 (PKCS#12)。</translation>
    </message>
    <message>
        <source>The password does not open this certificate file.</source>
        <translation>此密码无法打开该证书文件。</translation>
    </message>
    <message>
        <source>The certificate could not be added to the store in %1.</source>
        <translation>无法将证书添加到 %1 中的存储。</translation>
    </message>
    <message>
        <source>The file holds no certificate with its private key, so it cannot sign.</source>
        <translation>该文件不包含带私钥的证书，因此无法签名。</translation>
    </message>
    <message>
        <source>Digital signature</source>
        <translation>数字签名</translation>
    </message>
    <message>
        <source>Non-repudiation</source>
        <translation>不可否认</translation>
    </message>
    <message>
        <source>Key encipherment</source>
        <translation>密钥加密</translation>
    </message>
    <message>
        <source>Data encipherment</source>
        <translation>数据加密</translation>
    </message>
    <message>
        <source>Key agreement</source>
        <translation>密钥协商</translation>
    </message>
    <message>
        <source>Certificate signing</source>
        <translation>证书签名</translation>
    </message>
    <message>
        <source>CRL signing</source>
        <translation>CRL 签名</translation>
    </message>
    <message>
        <source>Encipher only</source>
        <translation>仅加密</translation>
    </message>
</context>
<context>
    <name>COpenController</name>
    <message>
        <source>Failed to Open</source>
        <translation>打开失败</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found. It may have been moved, renamed or deleted.</source>
        <translation>找不到“%1”。它可能已被移动、重命名或删除。</translation>
    </message>
    <message>
        <source>You do not have permission to read &quot;%1&quot;.</source>
        <translation>您没有读取“%1”的权限。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and cannot be read.</source>
        <translation>“%1”已损坏，无法读取。</translation>
    </message>
</context>
<context>
    <name>COrganizerBox</name>
    <message>
        <source>Rotate Left</source>
        <translation>向左旋转</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>向右旋转</translation>
    </message>
    <message>
        <source>Delete Pages</source>
        <translation>删除页面</translation>
    </message>
    <message>
        <source>Duplicate Pages</source>
        <translation>复制页面</translation>
    </message>
    <message>
        <source>Insert Blank Page</source>
        <translation>插入空白页</translation>
    </message>
    <message>
        <source>Insert Pages from File</source>
        <translation>从文件插入页面</translation>
    </message>
    <message>
        <source>Extract Pages</source>
        <translation>提取页面</translation>
    </message>
    <message>
        <source>Split Document</source>
        <translation>拆分文档</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>撤销 (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Shift+Z)</source>
        <translation>重做 (Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Move Pages</source>
        <translation>移动页面</translation>
    </message>
    <message>
        <source>Pages: %1  Selected: %2</source>
        <translation>页数：%1  已选：%2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cannot Delete Pages</source>
        <translation>无法删除页面</translation>
    </message>
    <message>
        <source>A document needs at least one page. Keep one page or more.</source>
        <translation>文档至少需要一页。请保留一页或更多。</translation>
    </message>
    <message>
        <source>Cannot Insert Pages</source>
        <translation>无法插入页面</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read. It may be damaged or not a PDF file.</source>
        <translation>无法读取“%1”。它可能已损坏或不是 PDF 文件。</translation>
    </message>
    <message>
        <source>Insert Pages</source>
        <translation>插入页面</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>Failed to Extract Pages</source>
        <translation>提取页面失败</translation>
    </message>
    <message>
        <source>Failed to Split Document</source>
        <translation>拆分文档失败</translation>
    </message>
</context>
<context>
    <name>COrganizerView</name>
    <message>
        <source>Pages</source>
        <translation>页面</translation>
    </message>
</context>
<context>
    <name>CPageEditBar</name>
    <message>
        <source>Page Editing</source>
        <translation>页面编辑</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>添加文本</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>添加图片</translation>
    </message>
    <message>
        <source>Add Link</source>
        <translation>添加链接</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>字号</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>文本颜色</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>更多颜色...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Link Target...</source>
        <translation>链接目标...</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Leave page editing</source>
        <translation>退出页面编辑</translation>
    </message>
    <message>
        <source>Click where the text should start; Ctrl+Enter keeps it.</source>
        <translation>单击文本的起始位置；按 Ctrl+Enter 确认。</translation>
    </message>
    <message>
        <source>Click where the picture should go.</source>
        <translation>单击图片要放置的位置。</translation>
    </message>
    <message>
        <source>Drag over the area that should become a link.</source>
        <translation>拖过要变成链接的区域。</translation>
    </message>
    <message>
        <source>Drag pictures to move them, their corners to resize them.</source>
        <translation>拖动图片可移动，拖动其角可调整大小。</translation>
    </message>
</context>
<context>
    <name>CPageEditController</name>
    <message>
        <source>Cannot Edit Pages</source>
        <translation>无法编辑页面</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow changing its pages. Open it with its permissions password to edit them.</source>
        <translation>文档的权限不允许更改其页面。请使用权限密码打开以编辑页面。</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; first?</source>
        <translation>先保存对“%1”的更改吗？</translation>
    </message>
    <message>
        <source>Page editing starts from the saved document.</source>
        <translation>页面编辑从已保存的文档开始。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save the page edits to &quot;%1&quot;?</source>
        <translation>将页面编辑保存到“%1”吗？</translation>
    </message>
    <message>
        <source>Pages show their edits until you leave page editing.</source>
        <translation>在退出页面编辑之前，页面会显示其编辑内容。</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>放弃</translation>
    </message>
    <message>
        <source>Cannot Edit the Page</source>
        <translation>无法编辑该页面</translation>
    </message>
    <message>
        <source>The document has no page %1.</source>
        <translation>文档没有第 %1 页。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address a link can lead to.</source>
        <translation>“%1”不是链接可以指向的网址。</translation>
    </message>
    <message>
        <source>The change does not fit the page.</source>
        <translation>该更改不适合此页面。</translation>
    </message>
    <message>
        <source>The text could not be added here.</source>
        <translation>无法在此处添加文本。</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>添加文本</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be read.</source>
        <translation>无法读取图片“%1”。</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>添加图片</translation>
    </message>
    <message>
        <source>Resize Picture</source>
        <translation>调整图片大小</translation>
    </message>
    <message>
        <source>Move Picture</source>
        <translation>移动图片</translation>
    </message>
    <message>
        <source>Resize Text</source>
        <translation>调整文本大小</translation>
    </message>
    <message>
        <source>Move Text</source>
        <translation>移动文本</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>移除链接</translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation>删除图片</translation>
    </message>
    <message>
        <source>Delete Text</source>
        <translation>删除文本</translation>
    </message>
    <message>
        <source>Add Link</source>
        <translation>添加链接</translation>
    </message>
    <message>
        <source>Change Link</source>
        <translation>更改链接</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg)</source>
        <translation>图片 (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>The change could not be made (%1).</source>
        <translation>无法进行更改（%1）。</translation>
    </message>
</context>
<context>
    <name>CPageEditLayer</name>
    <message>
        <source>Text to add</source>
        <translation>要添加的文本</translation>
    </message>
    <message>
        <source>Leads nowhere</source>
        <translation>不指向任何位置</translation>
    </message>
    <message>
        <source>Double-click to change where it leads</source>
        <translation>双击可更改其指向</translation>
    </message>
</context>
<context>
    <name>CPageView</name>
    <message>
        <source>The document&apos;s permissions do not allow copying its text.</source>
        <translation>文档的权限不允许复制其中的文字。</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页,共 %2 页</translation>
    </message>
</context>
<context>
    <name>CPasswordBox</name>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is protected. Enter the password to open it.</source>
        <translation>“%1”受密码保护。请输入密码以打开。</translation>
    </message>
    <message>
        <source>Incorrect password. Please try again.</source>
        <translation>密码错误，请重试。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
</context>
<context>
    <name>CPdfImage</name>
    <message>
        <source>The file is not a PNG or JPEG picture.</source>
        <translation>该文件不是 PNG 或 JPEG 图片。</translation>
    </message>
    <message>
        <source>The picture is too large or damaged.</source>
        <translation>图片过大或已损坏。</translation>
    </message>
</context>
<context>
    <name>CPdfPrinter</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cannot Print</source>
        <translation>无法打印</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow printing it. Open it with its permissions password to print it.</source>
        <translation>文档的权限不允许打印。请使用权限密码打开文档后再打印。</translation>
    </message>
    <message>
        <source>Failed to Print</source>
        <translation>打印失败</translation>
    </message>
    <message>
        <source>No printer and no file to print to were chosen.</source>
        <translation>未选择打印机，也未选择要打印到的文件。</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Preparing the pages...</source>
        <translation>正在准备页面...</translation>
    </message>
    <message>
        <source>Sending to &quot;%1&quot;...</source>
        <translation>正在发送到“%1”...</translation>
    </message>
    <message>
        <source>Writing &quot;%1&quot;...</source>
        <translation>正在写入“%1”...</translation>
    </message>
</context>
<context>
    <name>CPresentationView</name>
    <message>
        <source>Presentation</source>
        <translation>演示</translation>
    </message>
</context>
<context>
    <name>CPrintJob</name>
    <message>
        <source>The pages &quot;%1&quot; are not in the document.</source>
        <translation>文档中没有页面“%1”。</translation>
    </message>
    <message>
        <source>No temporary folder could be made for the print job (%1).</source>
        <translation>无法为打印作业创建临时文件夹（%1）。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: its folder or the file does not allow changes. Print to another file.</source>
        <translation>无法写入“%1”：其文件夹或该文件不允许更改。请打印到其他文件。</translation>
    </message>
    <message>
        <source>The printing service does not answer at %1.</source>
        <translation>%1 上的打印服务没有响应。</translation>
    </message>
    <message>
        <source>No printer is set up (%1).</source>
        <translation>尚未设置打印机（%1）。</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be found (%2).</source>
        <translation>找不到打印机“%1”（%2）。</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job: %2</source>
        <translation>打印机“%1”未接受该作业：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the document being printed. Print to another file.</source>
        <translation>“%1”是正在打印的文档。请打印到其他文件。</translation>
    </message>
</context>
<context>
    <name>CPropertiesBox</name>
    <message>
        <source>Document Properties</source>
        <translation>文档属性</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>作者</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>主题</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>关键字</translation>
    </message>
    <message>
        <source>Creator</source>
        <translation>创建者</translation>
    </message>
    <message>
        <source>Producer</source>
        <translation>生成器</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>创建时间</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>修改时间</translation>
    </message>
    <message>
        <source>PDF Version</source>
        <translation>PDF 版本</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>页数</translation>
    </message>
    <message>
        <source>Page Size</source>
        <translation>页面大小</translation>
    </message>
    <message>
        <source>%1 x %2 mm</source>
        <translation>%1 x %2 mm</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>文件大小</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>安全性</translation>
    </message>
    <message>
        <source>Password protected</source>
        <translation>受密码保护</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>CRecognizeBar</name>
    <message>
        <source>Text recognition</source>
        <translation>文字识别</translation>
    </message>
    <message>
        <source>This page</source>
        <translation>此页</translation>
    </message>
    <message>
        <source>All pages</source>
        <translation>所有页面</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>页面：</translation>
    </message>
    <message>
        <source>Pages to recognize</source>
        <translation>要识别的页面</translation>
    </message>
    <message>
        <source>e.g. 1-3, 5</source>
        <translation>例如 1-3, 5</translation>
    </message>
    <message>
        <source>Page numbers to recognize</source>
        <translation>要识别的页码</translation>
    </message>
    <message>
        <source>Languages of the text</source>
        <translation>文本的语言</translation>
    </message>
    <message>
        <source>The languages the pages are written in</source>
        <translation>页面所用的语言</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>识别文字</translation>
    </message>
    <message>
        <source>Recognition progress</source>
        <translation>识别进度</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cancel text recognition</source>
        <translation>取消文字识别</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Close the text recognition bar</source>
        <translation>关闭文字识别栏</translation>
    </message>
    <message>
        <source>No language</source>
        <translation>无语言</translation>
    </message>
    <message>
        <source>Recognizing text, pages done: %1 of %2</source>
        <translation>正在识别文字，已完成页数：%1/%2</translation>
    </message>
</context>
<context>
    <name>CRecognizeController</name>
    <message>
        <source>eng</source>
        <comment>The text recognition language of this translation, as its data file is named (ISO 639-2: deu, fra, chi_sim...)</comment>
        <translation>chi_sim</translation>
    </message>
    <message>
        <source>No text recognition languages are installed.</source>
        <translation>未安装文字识别语言。</translation>
    </message>
    <message>
        <source>This page is a scan without text. No text recognition languages are installed.</source>
        <translation>此页是没有文字的扫描件。未安装文字识别语言。</translation>
    </message>
    <message>
        <source>This page is a scan without text.</source>
        <translation>此页是没有文字的扫描件。</translation>
    </message>
    <message>
        <source>This page has text already; only pages without text are recognized.</source>
        <translation>此页已有文字；只会识别没有文字的页面。</translation>
    </message>
    <message>
        <source>The pages &quot;%1&quot; are not in the document.</source>
        <translation>文档中没有页面“%1”。</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>识别文字</translation>
    </message>
    <message>
        <source>Done: the text can now be searched, selected and copied. Save to keep it.</source>
        <translation>完成：现在可以搜索、选择和复制文字。保存即可保留。</translation>
    </message>
    <message>
        <source>Every page chosen has text already. Nothing was changed.</source>
        <translation>所选页面都已有文字。未做任何更改。</translation>
    </message>
    <message>
        <source>Text recognition was cancelled. Nothing was changed.</source>
        <translation>文字识别已取消。未做任何更改。</translation>
    </message>
    <message>
        <source>Text recognition failed (%1). Nothing was changed.</source>
        <translation>文字识别失败（%1）。未做任何更改。</translation>
    </message>
</context>
<context>
    <name>CRenameBox</name>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>The file name cannot be empty.</source>
        <translation>文件名不能为空。</translation>
    </message>
    <message>
        <source>A file name can&apos;t contain any of the following characters: \ / : * ? &quot; &lt; &gt; |</source>
        <translation>文件名不能包含下列任何字符：\ / : * ? &quot; &lt; &gt; |</translation>
    </message>
    <message>
        <source>This name cannot be used as a file name.</source>
        <translation>此名称不能用作文件名。</translation>
    </message>
    <message>
        <source>A file with this name already exists.</source>
        <translation>已存在同名文件。</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>新名称</translation>
    </message>
</context>
<context>
    <name>CReviewDialog</name>
    <message>
        <source>Enjoying %1?</source>
        <translation>喜欢 %1 吗？</translation>
    </message>
    <message>
        <source>Rate Now</source>
        <translation>立即评分</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>稍后</translation>
    </message>
    <message>
        <source>Don&apos;t Ask Again</source>
        <translation>不再询问</translation>
    </message>
</context>
<context>
    <name>CSavePipeline</name>
    <message>
        <source>&quot;%1&quot; was moved or deleted while it was open. Nothing was written.</source>
        <translation>“%1”在打开期间被移动或删除。未写入任何内容。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program while it was open. Nothing was written; open it again to make your changes.</source>
        <translation>“%1”在打开期间被其他程序更改。未写入任何内容；请重新打开后再进行更改。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read (%2). Nothing was written.</source>
        <translation>无法读取“%1”(%2)。未写入任何内容。</translation>
    </message>
    <message>
        <source>This document was opened with its open password only. To change its protection, open it with its permissions password.</source>
        <translation>此文档仅使用打开密码打开。要更改其保护，请使用权限密码打开。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not allow changes. Choose another folder with Save As.</source>
        <translation>文件夹“%1”不允许更改。请用“另存为”选择其他文件夹。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only. Choose another file with Save As.</source>
        <translation>“%1”为只读。请用“另存为”选择其他文件。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written (%2). The file was left as it was.</source>
        <translation>无法写入“%1”(%2)。文件保持原样。</translation>
    </message>
    <message>
        <source>The changes could not be prepared for writing (%1). Nothing was written.</source>
        <translation>无法准备要写入的更改(%1)。未写入任何内容。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was saved but could not be opened again (%2).</source>
        <translation>“%1”已保存，但无法再次打开(%2)。</translation>
    </message>
</context>
<context>
    <name>CSearchResultModel</name>
    <message>
        <source>Page %1</source>
        <translation>第 %1 页</translation>
    </message>
</context>
<context>
    <name>CSessionKeeper</name>
    <message>
        <source>%1 did not close properly last time. Your documents have been reopened.</source>
        <translation>%1 上次未正常关闭。已重新打开您的文档。</translation>
    </message>
    <message>
        <source>These documents could not be found and were not reopened:</source>
        <translation>以下文档未找到,未重新打开:</translation>
    </message>
    <message>
        <source>Recover unsaved changes to %1?</source>
        <translation>恢复对 %1 未保存的更改?</translation>
    </message>
    <message>
        <source>The changes were kept when the document was last open. If you discard them, they cannot be brought back.</source>
        <translation>这些更改在文档上次打开时已保留。如果放弃,将无法找回。</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>放弃</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Failed to Recover</source>
        <translation>恢复失败</translation>
    </message>
    <message>
        <source>The unsaved changes to %1 no longer fit the file.</source>
        <translation>对 %1 未保存的更改已与文件不符。</translation>
    </message>
    <message>
        <source>Save as New File</source>
        <translation>另存为新文件</translation>
    </message>
    <message>
        <source>Unsaved changes to %1 are kept</source>
        <translation>%1 的未保存更改已保留</translation>
    </message>
    <message>
        <source>The document cannot be found at &quot;%1&quot; right now. Its changes are offered again once it is back there.</source>
        <translation>目前在“%1”找不到该文档。文档回到该位置后，会再次提供其更改。</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>保留</translation>
    </message>
    <message>
        <source>The last session had more windows and tabs than are reopened at once. Documents not reopened: %1</source>
        <translation>上次会话的窗口和标签页多于一次能重新打开的数量。未重新打开的文档：%1</translation>
    </message>
</context>
<context>
    <name>CSidePanel</name>
    <message>
        <source>Thumbnails</source>
        <translation>缩略图</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>书签</translation>
    </message>
    <message>
        <source>Annotations</source>
        <translation>注释</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>附件</translation>
    </message>
    <message>
        <source>This document has no bookmarks.</source>
        <translation>此文档没有书签。</translation>
    </message>
    <message>
        <source>This document has no attachments.</source>
        <translation>此文档没有附件。</translation>
    </message>
    <message>
        <source>Search Results</source>
        <translation>搜索结果</translation>
    </message>
    <message>
        <source>In a comment on page %1</source>
        <translation>在第 %1 页的注释中</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>签名</translation>
    </message>
</context>
<context>
    <name>CSignBox</name>
    <message>
        <source>Sign Document</source>
        <translation>签署文档</translation>
    </message>
    <message>
        <source>Sign &quot;%1&quot; with a certificate of your certificate store. The signed document is saved as a new file; this one stays as it is.</source>
        <translation>使用证书存储中的证书签署“%1”。签署后的文档将另存为新文件，原文件保持不变。</translation>
    </message>
    <message>
        <source>Certificate store password</source>
        <translation>证书存储密码</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>解锁</translation>
    </message>
    <message>
        <source>Certificate:</source>
        <translation>证书：</translation>
    </message>
    <message>
        <source>Certificate</source>
        <translation>证书</translation>
    </message>
    <message>
        <source>Your certificate store has no certificate to sign with. Import one from a PKCS#12 file (.p12, .pfx).</source>
        <translation>证书存储中没有可用于签名的证书。请从 PKCS#12 文件 (.p12, .pfx) 导入。</translation>
    </message>
    <message>
        <source>Import Certificate...</source>
        <translation>导入证书...</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>原因</translation>
    </message>
    <message>
        <source>For example: I approve this document</source>
        <translation>例如：我批准此文档</translation>
    </message>
    <message>
        <source>Reason:</source>
        <translation>原因：</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>地点</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>地点：</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Optional: a PNG or JPEG shown in the signature</source>
        <translation>可选：签名中显示的 PNG 或 JPEG 图片</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>选择...</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>选择图片</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>图片：</translation>
    </message>
    <message>
        <source>Sign and Save As...</source>
        <translation>签名并另存为...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Issued by %1, valid from %2 to %3</source>
        <translation>颁发者 %1，有效期 %2 至 %3</translation>
    </message>
    <message>
        <source>Key usage: %1</source>
        <translation>密钥用途：%1</translation>
    </message>
    <message>
        <source>This is not the password of your certificate store.</source>
        <translation>这不是证书存储的密码。</translation>
    </message>
    <message>
        <source>Import Certificate</source>
        <translation>导入证书</translation>
    </message>
    <message>
        <source>Certificate Files (*.p12 *.pfx)</source>
        <translation>证书文件 (*.p12 *.pfx)</translation>
    </message>
    <message>
        <source>Password of the certificate file:</source>
        <translation>证书文件密码：</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>选择图片</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg)</source>
        <translation>图片 (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Choose a certificate to sign with, or import one.</source>
        <translation>请选择用于签名的证书，或导入一个。</translation>
    </message>
    <message>
        <source>The picture must be a PNG or JPEG file.</source>
        <translation>图片必须是 PNG 或 JPEG 文件。</translation>
    </message>
</context>
<context>
    <name>CSignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>name@example.com</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>电子邮件</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CSignatureBar</name>
    <message>
        <source>Signatures</source>
        <translation>签名</translation>
    </message>
    <message>
        <source>Sign Document</source>
        <translation>签署文档</translation>
    </message>
    <message>
        <source>Signature Panel</source>
        <translation>签名面板</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Close the signature bar</source>
        <translation>关闭签名栏</translation>
    </message>
    <message>
        <source>an unknown signer</source>
        <translation>未知签名者</translation>
    </message>
    <message>
        <source>Signed by %1, every signature is valid.</source>
        <translation>由 %1 签名，所有签名均有效。</translation>
    </message>
    <message>
        <source>Signed by %1, the signature is valid.</source>
        <translation>由 %1 签名，签名有效。</translation>
    </message>
    <message>
        <source>Signed by %1; the document was changed after %2 signed it.</source>
        <translation>由 %1 签名；%2 签名后文档已被更改。</translation>
    </message>
    <message>
        <source>Signed by %1, the document was changed after signing.</source>
        <translation>由 %1 签名，签名后文档已被更改。</translation>
    </message>
    <message>
        <source>Signed by %1; the certificate of %2 is not trusted.</source>
        <translation>由 %1 签名；%2 的证书不受信任。</translation>
    </message>
    <message>
        <source>Signed by %1, the certificate is not trusted.</source>
        <translation>由 %1 签名，证书不受信任。</translation>
    </message>
    <message>
        <source>Signed by %1; the signature of %2 is not valid.</source>
        <translation>由 %1 签名；%2 的签名无效。</translation>
    </message>
    <message>
        <source>Signed by %1, the signature is not valid.</source>
        <translation>由 %1 签名，签名无效。</translation>
    </message>
    <message>
        <source>Signed by %1; the signature of %2 cannot be checked.</source>
        <translation>由 %1 签名；无法验证 %2 的签名。</translation>
    </message>
    <message>
        <source>Signed by %1, the signature cannot be checked.</source>
        <translation>由 %1 签名，无法验证签名。</translation>
    </message>
    <message>
        <source>This document has a signature field waiting to be signed.</source>
        <translation>此文档有一个等待签名的签名域。</translation>
    </message>
    <message>
        <source>The signatures cannot be checked: the file changed since it was opened.</source>
        <translation>无法验证签名：文件在打开后已更改。</translation>
    </message>
    <message>
        <source>Drag a box on a page for the signature, or click an empty signature field. Enter places it on the current page; Esc cancels.</source>
        <translation>在页面上拖出签名框，或点击一个空的签名域。按 Enter 放在当前页，按 Esc 取消。</translation>
    </message>
</context>
<context>
    <name>CSignatureController</name>
    <message>
        <source>Failed to Sign</source>
        <translation>签名失败</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>打开失败</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; before signing?</source>
        <translation>签名前保存对“%1”的更改吗？</translation>
    </message>
    <message>
        <source>A signature covers the document as it is saved.</source>
        <translation>签名针对已保存状态的文档。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save Signed Document</source>
        <translation>保存已签名的文档</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>Digitally signed by %1</source>
        <translation>由 %1 数字签名</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>日期：%1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>原因：%1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>地点：%1</translation>
    </message>
    <message>
        <source>%1 (as signed by %2).pdf</source>
        <translation>%1（%2 签名时的版本）.pdf</translation>
    </message>
    <message>
        <source>unknown signer</source>
        <translation>未知签名者</translation>
    </message>
</context>
<context>
    <name>CSignaturePanel</name>
    <message>
        <source>Signatures</source>
        <translation>签名</translation>
    </message>
    <message>
        <source>Open Signed Version</source>
        <translation>打开签名时的版本</translation>
    </message>
    <message>
        <source>Opens the document as it was when the selected signature was made, in a new tab.</source>
        <translation>在新标签页中打开所选签名时的文档版本。</translation>
    </message>
    <message>
        <source>Sign Document</source>
        <translation>签署文档</translation>
    </message>
    <message>
        <source>The signature is valid.</source>
        <translation>签名有效。</translation>
    </message>
    <message>
        <source>The signature cannot be checked.</source>
        <translation>无法验证签名。</translation>
    </message>
    <message>
        <source>The signature is intact, but the certificate is not trusted.</source>
        <translation>签名完好，但证书不受信任。</translation>
    </message>
    <message>
        <source>The document was changed after signing.</source>
        <translation>签名后文档已被更改。</translation>
    </message>
    <message>
        <source>The signature is not valid.</source>
        <translation>签名无效。</translation>
    </message>
    <message>
        <source>Not signed yet.</source>
        <translation>尚未签名。</translation>
    </message>
    <message>
        <source>The certificate is trusted.</source>
        <translation>证书受信任。</translation>
    </message>
    <message>
        <source>Its issuer is marked as not trusted.</source>
        <translation>其颁发者被标记为不受信任。</translation>
    </message>
    <message>
        <source>Its issuer is not among the trusted certificates of this computer.</source>
        <translation>其颁发者不在此计算机的受信任证书中。</translation>
    </message>
    <message>
        <source>The certificate was revoked by its issuer.</source>
        <translation>证书已被其颁发者吊销。</translation>
    </message>
    <message>
        <source>The certificate was not valid at the time of signing.</source>
        <translation>签名时证书无效。</translation>
    </message>
    <message>
        <source>The certificate could not be checked.</source>
        <translation>无法验证证书。</translation>
    </message>
    <message>
        <source>Checking the signatures...</source>
        <translation>正在验证签名...</translation>
    </message>
    <message>
        <source>This document has no signatures.</source>
        <translation>此文档没有签名。</translation>
    </message>
    <message>
        <source>Unknown signer</source>
        <translation>未知签名者</translation>
    </message>
    <message>
        <source>Empty signature field %1</source>
        <translation>空签名域 %1</translation>
    </message>
    <message>
        <source>Field &quot;%1&quot; on page %2</source>
        <translation>第 %2 页的域“%1”</translation>
    </message>
    <message>
        <source>On page %1</source>
        <translation>位于第 %1 页</translation>
    </message>
    <message>
        <source>Signed on %1</source>
        <translation>签名于 %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>原因：%1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>地点：%1</translation>
    </message>
    <message>
        <source>Covers the whole document.</source>
        <translation>涵盖整个文档。</translation>
    </message>
    <message>
        <source>Covers an earlier revision of the document (its first %1 bytes); later changes are not signed.</source>
        <translation>涵盖文档的较早版本（前 %1 字节）；之后的更改未签名。</translation>
    </message>
    <message>
        <source>Certificate issued by %1</source>
        <translation>证书颁发者：%1</translation>
    </message>
    <message>
        <source>The certificate is self-signed.</source>
        <translation>证书为自签名证书。</translation>
    </message>
    <message>
        <source>Certificate valid from %1 to %2</source>
        <translation>证书有效期 %1 至 %2</translation>
    </message>
    <message>
        <source>Key usage: %1</source>
        <translation>密钥用途：%1</translation>
    </message>
    <message>
        <source>Subject: %1</source>
        <translation>使用者：%1</translation>
    </message>
    <message>
        <source>Serial number: %1</source>
        <translation>序列号：%1</translation>
    </message>
</context>
<context>
    <name>CSignatures</name>
    <message>
        <source>The signed document must be saved as a new file; the original stays as it is.</source>
        <translation>已签名的文档必须另存为新文件；原文件保持不变。</translation>
    </message>
    <message>
        <source>Choose a certificate to sign with.</source>
        <translation>请选择用于签名的证书。</translation>
    </message>
    <message>
        <source>The document could not be read.</source>
        <translation>无法读取该文档。</translation>
    </message>
    <message>
        <source>The folder of the new file does not allow writing.</source>
        <translation>新文件所在的文件夹不允许写入。</translation>
    </message>
    <message>
        <source>The document could not be signed: there is no room for a temporary file.</source>
        <translation>无法签署文档：没有空间存放临时文件。</translation>
    </message>
    <message>
        <source>The document has no signature field of this name.</source>
        <translation>文档中没有此名称的签名域。</translation>
    </message>
    <message>
        <source>This signature field is signed already.</source>
        <translation>此签名域已签名。</translation>
    </message>
    <message>
        <source>Draw the place of the signature on a page first.</source>
        <translation>请先在页面上画出签名的位置。</translation>
    </message>
    <message>
        <source>The document could not be signed with this certificate. Its key may be missing from the store, or the store may be locked.</source>
        <translation>无法使用此证书签署文档。存储中可能缺少其密钥，或存储已锁定。</translation>
    </message>
    <message>
        <source>The signed document could not be written to %1.</source>
        <translation>无法将已签名的文档写入 %1。</translation>
    </message>
    <message>
        <source>The signed version is no longer in the file.</source>
        <translation>文件中已不再包含签名时的版本。</translation>
    </message>
    <message>
        <source>The signed version could not be written to %1.</source>
        <translation>无法将签名时的版本写入 %1。</translation>
    </message>
</context>
<context>
    <name>CSplitBox</name>
    <message>
        <source>Split Document</source>
        <translation>拆分文档</translation>
    </message>
    <message>
        <source>Pages per file:</source>
        <translation>每个文件的页数：</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>拆分</translation>
    </message>
    <message>
        <source>The %1 pages become %2 files.</source>
        <translation>%1 页将成为 %2 个文件。</translation>
    </message>
</context>
<context>
    <name>CTabBar</name>
    <message>
        <source>Close Tab</source>
        <translation>关闭标签页</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>文档</translation>
    </message>
</context>
<context>
    <name>CTabListWidget</name>
    <message>
        <source>Open Tabs</source>
        <translation>已打开的标签页</translation>
    </message>
</context>
<context>
    <name>CTextOverlay</name>
    <message>
        <source>The text is too long: at most %1 characters can be added at once.</source>
        <translation>文本过长：一次最多可添加 %1 个字符。</translation>
    </message>
    <message>
        <source>The text must start on the page.</source>
        <translation>文本必须从页面内开始。</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; is not installed.</source>
        <translation>字体“%1”未安装。</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; has no character for &quot;%2&quot;. Choose a font that has it.</source>
        <translation>字体“%1”没有“%2”这个字符。请选择包含它的字体。</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; cannot be embedded in a document. Choose another font.</source>
        <translation>字体“%1”无法嵌入文档。请选择其他字体。</translation>
    </message>
</context>
<context>
    <name>CTextRecognizer</name>
    <message>
        <source>no text recognition languages are installed</source>
        <translation>未安装任何文字识别语言</translation>
    </message>
    <message>
        <source>no language data for &quot;%1&quot; is installed</source>
        <translation>未安装“%1”的语言数据</translation>
    </message>
    <message>
        <source>no language chosen</source>
        <translation>未选择语言</translation>
    </message>
    <message>
        <source>the language data could not be read</source>
        <translation>无法读取语言数据</translation>
    </message>
    <message>
        <source>no picture to read</source>
        <translation>没有可识别的图像</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>the picture could not be read</source>
        <translation>无法识别图像</translation>
    </message>
    <message>
        <source>the text could not be written</source>
        <translation>无法写入文字</translation>
    </message>
</context>
<context>
    <name>CUpdateDialog</name>
    <message>
        <source>Check for Updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>You are using version %1.</source>
        <translation>您当前使用的版本为 %1。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>正在检查更新...</translation>
    </message>
    <message>
        <source>%1 is up to date.</source>
        <translation>%1 已是最新版本。</translation>
    </message>
    <message>
        <source>A new version %1 is available.</source>
        <translation>有新版本 %1 可用。</translation>
    </message>
    <message>
        <source>Could not reach the update service. Please check your connection and try again.</source>
        <translation>无法连接到更新服务。请检查网络连接后重试。</translation>
    </message>
</context>
<context>
    <name>CWindowTitleBar</name>
    <message>
        <source>Main Menu</source>
        <translation>主菜单</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>账户</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>DisplayOption</name>
    <message>
        <source>Display</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Default Page View</source>
        <translation>默认页面视图</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>实际大小</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>适合页面</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>适合宽度</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>适合高度</translation>
    </message>
    <message>
        <source>Default Page Layout</source>
        <translation>默认页面布局</translation>
    </message>
    <message>
        <source>Single Page View</source>
        <translation>单页视图</translation>
    </message>
    <message>
        <source>Single Page Scrolling</source>
        <translation>单页滚动</translation>
    </message>
    <message>
        <source>Two Page View</source>
        <translation>双页视图</translation>
    </message>
    <message>
        <source>Two Page Scrolling</source>
        <translation>双页滚动</translation>
    </message>
    <message>
        <source>Default Cursor</source>
        <translation>默认光标</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>抓手</translation>
    </message>
</context>
<context>
    <name>DocumentMenu</name>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Open Recents</source>
        <translation>最近打开</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>创建 PDF</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>关闭标签页</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>关闭窗口</translation>
    </message>
    <message>
        <source>Close All Windows</source>
        <translation>关闭所有窗口</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Open File Location</source>
        <translation>打开文件所在位置</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>共享</translation>
    </message>
    <message>
        <source>Document Properties</source>
        <translation>文档属性</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>偏好设置</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>View</source>
        <translation>视图</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Single Page View</source>
        <translation>单页视图</translation>
    </message>
    <message>
        <source>Single Page Scrolling</source>
        <translation>单页滚动</translation>
    </message>
    <message>
        <source>Two Page View</source>
        <translation>双页视图</translation>
    </message>
    <message>
        <source>Two Page Scrolling</source>
        <translation>双页滚动</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>缩略图</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>书签</translation>
    </message>
    <message>
        <source>Annotations</source>
        <translation>注释</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>附件</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>实际大小</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>适合页面</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>适合宽度</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>适合高度</translation>
    </message>
    <message>
        <source>Enter Read Mode</source>
        <translation>进入阅读模式</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>转到</translation>
    </message>
    <message>
        <source>First Page</source>
        <translation>首页</translation>
    </message>
    <message>
        <source>Last Page</source>
        <translation>末页</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>上一页</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>下一页</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>向上</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>向下</translation>
    </message>
    <message>
        <source>Go to Page</source>
        <translation>转到页面</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>窗口</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Move Window to Left Side of Screen</source>
        <translation>将窗口移到屏幕左侧</translation>
    </message>
    <message>
        <source>Move Window to Right Side of Screen</source>
        <translation>将窗口移到屏幕右侧</translation>
    </message>
    <message>
        <source>Replace Tiled Window</source>
        <translation>替换平铺窗口</translation>
    </message>
    <message>
        <source>Show Next Tab</source>
        <translation>显示下一个标签页</translation>
    </message>
    <message>
        <source>Show Previous Tab</source>
        <translation>显示上一个标签页</translation>
    </message>
    <message>
        <source>Move Tab to New Window</source>
        <translation>将标签页移到新窗口</translation>
    </message>
    <message>
        <source>Bring All to Front</source>
        <translation>前置全部窗口</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Open in New Window</source>
        <translation>在新窗口中打开</translation>
    </message>
    <message>
        <source>Close Other Tabs</source>
        <translation>关闭其他标签页</translation>
    </message>
    <message>
        <source>Close All Tabs</source>
        <translation>关闭所有标签页</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外观</translation>
    </message>
    <message>
        <source>Follow System</source>
        <translation>跟随系统</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>浅色</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Create Desktop Shortcut</source>
        <translation>创建桌面快捷方式</translation>
    </message>
    <message>
        <source>Set as Default</source>
        <translation>设为默认</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>用户指南</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>常见问题</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>反馈</translation>
    </message>
    <message>
        <source>Support Center</source>
        <translation>支持中心</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Protect</source>
        <translation>保护</translation>
    </message>
    <message>
        <source>Organize Pages</source>
        <translation>整理页面</translation>
    </message>
    <message>
        <source>Page Colours</source>
        <translation>页面颜色</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>护眼</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>高对比度</translation>
    </message>
    <message>
        <source>Dark Pages with the Dark Appearance</source>
        <translation>深色外观时使用深色页面</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>注释</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>向左旋转</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>向右旋转</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>演示</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Leave Read Mode</source>
        <translation>退出阅读模式</translation>
    </message>
    <message>
        <source>Sign Document...</source>
        <translation>签署文档...</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>签名</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>识别文字</translation>
    </message>
    <message>
        <source>Edit Page Content</source>
        <translation>编辑页面内容</translation>
    </message>
</context>
<context>
    <name>GeneralOption</name>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Set %1 as default PDF reader</source>
        <translation>将 %1 设为默认 PDF 阅读器</translation>
    </message>
    <message>
        <source>Quit program when all windows are closed</source>
        <translation>关闭所有窗口后退出程序</translation>
    </message>
    <message>
        <source>Restore last view settings when reopening documents</source>
        <translation>重新打开文档时恢复上次的视图设置</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Display Language</source>
        <translation>显示语言</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外观</translation>
    </message>
    <message>
        <source>Follow System</source>
        <translation>跟随系统</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>浅色</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Reopen documents from last time</source>
        <translation>重新打开上次的文档</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Open PDF</source>
        <translation>打开 PDF</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>创建 PDF</translation>
    </message>
    <message>
        <source>Popular Tools</source>
        <translation>常用工具</translation>
    </message>
    <message>
        <source>Edit PDF</source>
        <translation>编辑 PDF</translation>
    </message>
    <message>
        <source>Print PDF</source>
        <translation>打印 PDF</translation>
    </message>
    <message>
        <source>Organize PDFs</source>
        <translation>整理 PDF</translation>
    </message>
    <message>
        <source>Encrypt PDF</source>
        <translation>加密 PDF</translation>
    </message>
    <message>
        <source>Edit text, images and links in your PDF effortlessly</source>
        <translation>轻松编辑 PDF 中的文本、图像和链接</translation>
    </message>
    <message>
        <source>Create a Blank Page PDF in a second</source>
        <translation>一秒创建空白页 PDF</translation>
    </message>
    <message>
        <source>Print your PDF document quickly and easily</source>
        <translation>快速轻松地打印 PDF 文档</translation>
    </message>
    <message>
        <source>Simply sort, add, delete PDF pages and etc.</source>
        <translation>轻松排序、添加、删除 PDF 页面等</translation>
    </message>
    <message>
        <source>Password protect your PDF from unauthorized access</source>
        <translation>为 PDF 设置密码，防止未经授权的访问</translation>
    </message>
    <message>
        <source>You&apos;ve gone Incognito</source>
        <translation>您已进入无痕模式</translation>
    </message>
    <message>
        <source>The history of the files you have viewed will not be saved.</source>
        <translation>您查看过的文件将不会保存到历史记录中。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Add text, pictures and links to pages; move, resize or delete pictures; change where links lead. Text that is already on a page cannot be changed.</source>
        <translation>向页面添加文本、图片和链接；移动、调整大小或删除图片；更改链接指向。页面上已有的文本无法更改。</translation>
    </message>
</context>
<context>
    <name>LogGuidBox</name>
    <message>
        <source>Log In Your Marvik Account</source>
        <translation>登录您的 Marvik 账户</translation>
    </message>
    <message>
        <source>Work across desktop &amp; mobile</source>
        <translation>桌面端与移动端通用</translation>
    </message>
    <message>
        <source>Support multiple languages</source>
        <translation>支持多种语言</translation>
    </message>
    <message>
        <source>Free customer support</source>
        <translation>免费客户支持</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>登录</translation>
    </message>
</context>
<context>
    <name>MKMainWindow</name>
    <message>
        <source>Version: %1</source>
        <translation>版本：%1</translation>
    </message>
    <message>
        <source>System: %1</source>
        <translation>系统：%1</translation>
    </message>
    <message>
        <source>%1 %2 feedback</source>
        <translation>%1 %2 反馈</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>账户</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>已登录：%1</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>退出登录</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>MKMessageBox</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>MainBox</name>
    <message>
        <source>The file could not be renamed. It may be in use, or the folder may not allow changes.</source>
        <translation>无法重命名该文件。文件可能正在使用中，或文件夹不允许更改。</translation>
    </message>
    <message>
        <source>Failed to Rename</source>
        <translation>重命名失败</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>打开失败</translation>
    </message>
    <message>
        <source>The attachment could not be read from the document.</source>
        <translation>无法从文档中读取附件。</translation>
    </message>
    <message>
        <source>The attachment could not be saved.</source>
        <translation>无法保存附件。</translation>
    </message>
    <message>
        <source>Do you want to save changes to &quot;%1&quot; before closing?</source>
        <translation>关闭前是否保存对“%1”的更改？</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don&apos;t save them.</source>
        <translation>如果不保存，您所做的更改将会丢失。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>不保存</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cannot Organize Pages</source>
        <translation>无法整理页面</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow changing its pages. Open it with its permissions password to organize it.</source>
        <translation>文档的权限不允许更改其页面。请使用权限密码打开后再整理。</translation>
    </message>
    <message>
        <source>Save the page changes to &quot;%1&quot;?</source>
        <translation>将页面更改保存到“%1”？</translation>
    </message>
    <message>
        <source>The reading view shows the pages once they are saved.</source>
        <translation>阅读视图在保存后显示页面。</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>放弃</translation>
    </message>
    <message>
        <source>The file might have been moved, damaged, or deleted.</source>
        <translation>该文件可能已被移动、损坏或删除。</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Startup Page</source>
        <translation>起始页</translation>
    </message>
    <message>
        <source>Open PDF</source>
        <translation>打开 PDF</translation>
    </message>
    <message>
        <source>Open Tabs</source>
        <translation>已打开的标签页</translation>
    </message>
    <message>
        <source>Shortcut already exists.</source>
        <translation>快捷方式已存在。</translation>
    </message>
    <message>
        <source>Shortcut successfully created!</source>
        <translation>快捷方式创建成功！</translation>
    </message>
    <message>
        <source>Failed to create shortcuts.</source>
        <translation>创建快捷方式失败。</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>打开失败</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Do you want to close all tabs or the current tab?</source>
        <translation>要关闭所有标签页还是仅关闭当前标签页？</translation>
    </message>
    <message>
        <source>Always close all tabs</source>
        <translation>始终关闭所有标签页</translation>
    </message>
    <message>
        <source>Close Current Tab</source>
        <translation>关闭当前标签页</translation>
    </message>
    <message>
        <source>Close All Tabs</source>
        <translation>关闭所有标签页</translation>
    </message>
    <message>
        <source>Do you want to set %1 as your default PDF viewer?</source>
        <translation>是否将 %1 设为默认 PDF 阅读器？</translation>
    </message>
    <message>
        <source>Don&apos;t show again</source>
        <translation>不再显示</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>稍后</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>Failed to Create PDF</source>
        <translation>创建 PDF 失败</translation>
    </message>
    <message>
        <source>The new document could not be written to &quot;%1&quot;. Check that the folder exists and that you may write there.</source>
        <translation>无法将新文档写入“%1”。请检查该文件夹是否存在，以及您是否有写入权限。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is an address on the network, not a file on this computer. Save the document, then open the saved file.</source>
        <translation>“%1”是网络地址,不是此计算机上的文件。请先保存文档,再打开保存的文件。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found. It may have been moved, renamed or deleted.</source>
        <translation>找不到“%1”。它可能已被移动、重命名或删除。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a PDF document.</source>
        <translation>“%1”是文件夹,不是 PDF 文档。</translation>
    </message>
    <message>
        <source>You do not have permission to read &quot;%1&quot;.</source>
        <translation>您没有读取“%1”的权限。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a PDF document, or it is too damaged to be recognised as one.</source>
        <translation>“%1”不是 PDF 文档,或已损坏到无法识别。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a PDF document but a file of another kind (%2).</source>
        <translation>“%1”不是 PDF 文档,而是其他类型的文件(%2)。</translation>
    </message>
</context>
<context>
    <name>PrivacyOption</name>
    <message>
        <source>Privacy</source>
        <translation>隐私</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics</source>
        <translation>发送匿名使用统计</translation>
    </message>
    <message>
        <source>Send crash reports</source>
        <translation>发送崩溃报告</translation>
    </message>
    <message>
        <source>Usage statistics count how often %1 starts and which features are used; a crash report holds what the program was doing when it crashed and the end of its log. Neither holds the names or content of your documents, and nothing is sent unless you tick it here.</source>
        <translation>使用统计记录 %1 的启动次数以及使用了哪些功能；崩溃报告包含程序崩溃时正在执行的操作以及日志的末尾。两者都不包含您文档的名称或内容，除非您在此处勾选，否则不会发送任何内容。</translation>
    </message>
</context>
<context>
    <name>QWKDialogBar</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>RecentPage</name>
    <message>
        <source>Recents</source>
        <translation>最近</translation>
    </message>
    <message>
        <source>Incognito Mode</source>
        <translation>无痕模式</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>列表视图</translation>
    </message>
    <message>
        <source>Grid View</source>
        <translation>网格视图</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Files you have recently viewed or worked with will be listed here</source>
        <translation>您最近查看或处理过的文件将显示在这里</translation>
    </message>
    <message>
        <source>Open PDF</source>
        <translation>打开 PDF</translation>
    </message>
    <message>
        <source>Are you sure to clear all the records?</source>
        <translation>确定要清除所有记录吗？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>最近的文件</translation>
    </message>
</context>
<context>
    <name>ReportConsent</name>
    <message>
        <source>Help Improve %1</source>
        <translation>帮助改进 %1</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics and crash reports?</source>
        <translation>发送匿名使用统计和崩溃报告吗？</translation>
    </message>
    <message>
        <source>They tell how often %1 starts and what made it crash, never which documents you open or anything about you. You can change this at any time in Preferences.</source>
        <translation>它们只说明 %1 启动了多少次以及崩溃的原因，绝不包含您打开了哪些文档或任何关于您的信息。您可以随时在首选项中更改此设置。</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
</context>
<context>
    <name>SettingOption</name>
    <message>
        <source>Preferences</source>
        <translation>偏好设置</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Blank PDF</source>
        <translation>空白 PDF</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>隐私</translation>
    </message>
</context>
</TS>
