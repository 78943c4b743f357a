<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CurveTable</name>
    <message>
        <source>name</source>
        <translation>交点名</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>deflection</source>
        <translation>偏角</translation>
    </message>
    <message>
        <source>deflection_rad</source>
        <translation>偏角(弧度)</translation>
    </message>
    <message>
        <source>R</source>
        <translation>半径R</translation>
    </message>
    <message>
        <source>Ls1</source>
        <translation>缓和曲线Ls1</translation>
    </message>
    <message>
        <source>Ls2</source>
        <translation>缓和曲线Ls2</translation>
    </message>
    <message>
        <source>RA1</source>
        <translation>RA1</translation>
    </message>
    <message>
        <source>RA2</source>
        <translation>RA2</translation>
    </message>
    <message>
        <source>T1</source>
        <translation>切线长T1</translation>
    </message>
    <message>
        <source>T2</source>
        <translation>切线长T2</translation>
    </message>
    <message>
        <source>L</source>
        <translation>长度L</translation>
    </message>
    <message>
        <source>E</source>
        <translation>外距E</translation>
    </message>
    <message>
        <source>item</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>R1</source>
        <translation>起点半径R1</translation>
    </message>
    <message>
        <source>R2</source>
        <translation>终点半径R2</translation>
    </message>
    <message>
        <source>station</source>
        <translation>桩号</translation>
    </message>
    <message>
        <source>azimuth</source>
        <translation>方位角</translation>
    </message>
    <message>
        <source>azimuth_rad</source>
        <translation>方位角(弧度)</translation>
    </message>
    <message>
        <source>straight</source>
        <translation>直线</translation>
    </message>
    <message>
        <source>arc</source>
        <translation>圆曲线</translation>
    </message>
    <message>
        <source>entry spiral</source>
        <translation>入口缓和曲线</translation>
    </message>
    <message>
        <source>exit spiral</source>
        <translation>出口缓和曲线</translation>
    </message>
    <message>
        <source>partial spiral</source>
        <translation>不完整缓和曲线</translation>
    </message>
    <message>
        <source>node %1</source>
        <translation>节点 %1</translation>
    </message>
    <message>
        <source>element %1</source>
        <translation>积木 %1</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>line %1: </source>
        <translation>第%1行：</translation>
    </message>
    <message>
        <source>field %1 is not a number: %2</source>
        <translation>第%1个字段不是数字：%2</translation>
    </message>
    <message>
        <source>field %1 is beyond ±%2, the largest magnitude accepted: %3</source>
        <translation>第%1个字段超出±%2（可接受的最大绝对值）：%3</translation>
    </message>
    <message>
        <source>field %1 is not a station (a number, optionally after its chain letter, or K5+030.00): %2</source>
        <translation>第%1个字段不是桩号（数字，可带断链标识字母，或如 K5+030.00）：%2</translation>
    </message>
    <message>
        <source>line is longer than %1 bytes</source>
        <translation>该行超过%1字节</translation>
    </message>
    <message>
        <source>the file is longer than %1 bytes</source>
        <translation>文件超过%1字节</translation>
    </message>
    <message>
        <source>a carriage return (CR) inside the line: lines must end in CR LF or LF</source>
        <translation>行内有回车符（CR）：行应以 CR LF 或 LF 结尾</translation>
    </message>
    <message>
        <source>the file could not be read to its end</source>
        <translation>文件未能读完</translation>
    </message>
    <message>
        <source>cannot read the file: it is a folder</source>
        <translation>无法读取文件：这是一个文件夹</translation>
    </message>
    <message>
        <source>cannot open the file: %1</source>
        <translation>无法打开文件：%1</translation>
    </message>
    <message>
        <source>cannot reach the results file: %1</source>
        <translation>无法访问结果文件：%1</translation>
    </message>
    <message>
        <source>the results file is a folder: %1</source>
        <translation>结果文件是一个文件夹：%1</translation>
    </message>
    <message>
        <source>cannot open the results file for writing: %1</source>
        <translation>无法打开结果文件写入：%1</translation>
    </message>
    <message>
        <source>the results file cannot be replaced: %1</source>
        <translation>无法替换结果文件：%1</translation>
    </message>
    <message>
        <source>cannot create a file in the folder %1: %2</source>
        <translation>无法在文件夹 %1 中创建文件：%2</translation>
    </message>
    <message>
        <source>cannot write the results file: %1</source>
        <translation>无法写入结果文件：%1</translation>
    </message>
    <message>
        <source>cannot write the results file to disk: %1</source>
        <translation>无法把结果文件写入磁盘：%1</translation>
    </message>
    <message>
        <source>a chain break needs two numbers, the back station and the ahead station</source>
        <translation>断链需要两个数：断链前桩号和断链后桩号</translation>
    </message>
    <message>
        <source>more than %1 chain breaks</source>
        <translation>断链多于%1个</translation>
    </message>
    <message>
        <source>the file is empty: the header line with the start station is missing</source>
        <translation>文件为空：缺少含起点桩号的首行</translation>
    </message>
    <message>
        <source>the file ends before the start station</source>
        <translation>文件在起点桩号之前结束</translation>
    </message>
    <message>
        <source>the start station is missing</source>
        <translation>缺少起点桩号</translation>
    </message>
    <message>
        <source>more than %1 intersection points: the table is full</source>
        <translation>交点多于%1个：交点表已满</translation>
    </message>
    <message>
        <source>the file ends after the name %1: its data line is missing</source>
        <translation>文件在交点名 %1 之后结束：缺少其数据行</translation>
    </message>
    <message>
        <source>the data line of %1 has %2 numbers; expected 5 (X Y R Ls1 Ls2) or 7 (... RA1 RA2)</source>
        <translation>%1 的数据行有%2个数；应为5个（X Y R Ls1 Ls2）或7个（… RA1 RA2）</translation>
    </message>
    <message>
        <source>start line: %1 of the four numbers (station, X, Y, azimuth) before the end of the file</source>
        <translation>起始行：文件结束前只有%1个数，应有4个（桩号、X、Y、方位角）</translation>
    </message>
    <message>
        <source>field %1, the start azimuth, is %2 degrees or more: %3</source>
        <translation>第%1个字段（起始方位角）不小于%2度：%3</translation>
    </message>
    <message>
        <source>more than %1 element lines</source>
        <translation>积木行多于%1行</translation>
    </message>
    <message>
        <source>element line has %1 fields; start radius, end radius and length are needed</source>
        <translation>积木行只有%1个字段；需要起点半径、终点半径和长度</translation>
    </message>
    <message>
        <source>a point needs a label, X and Y; the line has %1 field%2</source>
        <translation>每个点需要点号、X和Y；该行只有%1个字段</translation>
    </message>
    <message>
        <source>more than %1 points in one file</source>
        <translation>一个文件中的点多于%1个</translation>
    </message>
    <message>
        <source>a grade point is `station elevation [radius]`; the line has %1 field%2</source>
        <translation>变坡点为“桩号 高程 [半径]”；该行有%1个字段</translation>
    </message>
    <message>
        <source>a cross-fall line is `station left right` (percent); the line has %1 field%2</source>
        <translation>横坡行为“桩号 左坡 右坡”（百分数）；该行有%1个字段</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <source>No such file or directory</source>
        <translation>文件或文件夹不存在</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>没有权限</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>这是一个文件夹</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>不是文件夹</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>磁盘空间不足</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>只读文件系统</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>超出磁盘配额</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>输入输出错误</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>道路测量反算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vomel 下载</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单 位：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>作 者：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>软件下载：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  确  定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>休息一下，马上回来！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最小化</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>双击关闭本窗口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>点号 %1
桩号 %2
左距 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取平面资料</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>平面文件(*.txt;*.jdx)|*.txt;*.jdx|所有文件（*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取坐标资料</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>坐标文件(*.txt;*.xy)|*.txt;*.xy|所有文件（*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取断链资料</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>断链文件(*.txt;*.dl)|*.txt;*.dl|所有文件（*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存桩号距离文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>桩号距离文件(*.txt)|*.txt|所有文件（*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取放样桩号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>桩号文件(*.txt;*.st)|*.txt;*.st|所有文件（*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存放样坐标文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存曲线表</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV文件(*.csv)|*.csv|所有文件（*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存平面图</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG图片(*.png)|*.png</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X坐标</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y坐标</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1为空，请输入数字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1不是数字：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1超出范围（绝对值不大于1000000000）：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>反算结束：点在线路起点之前，没有垂足</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>反算结束：点在线路终点之后，没有垂足</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>反算结束：点在线路转角外侧，垂足取转角点</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&#x3000;导入提示：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>；</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>反算结束：共 %1 个点，%2 个在起点之前，%3 个在终点之后</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：没有选择文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算已取消，结果文件未写入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算被取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当前线路：无</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当前线路：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  交点：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  断链：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  积木：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>这条主线有断链吗？
选“是”读取断链文件，选“否”按无断链计算。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vomel V2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>方 法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>交点法—主线</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>积木法—互通</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选 项</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单个坐标</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取坐标文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>桩号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>左距</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>回车光标切换到Y输入框
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>回车计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A、B、C...为断链标识</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>左正右负</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  初 始 化</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  计   算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  退  出</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  帮  助</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  更多软件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  平 面 图</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法绘制平面图！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>平面图</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全图显示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存图片…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存图片失败！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  曲 线 表</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  放  样</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>曲线表</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>复制</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已复制到剪贴板</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已保存：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>放样</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连续桩号，或带断链标识的桩号，如 B1000.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件放样...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入桩号和左距，点击计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>放样结束：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>桩号有误：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>左距不是数字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>帮助</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>找不到帮助文件：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法打开帮助文件：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>错误</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取文件被取消！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数据文件格式有误！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数据文件格式有误或操作不当！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请先初始化读取平面、断链资料</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在初始化......</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入XY坐标，点击计算按钮</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>点击计算按钮,依次选取坐标文件和桩号文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>反算结束</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在反算第 %1 个   共 %2 个</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取纵断面资料</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>纵断面文件(*.profile;*.txt)|*.profile;*.txt|所有文件（*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取横坡资料</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>横坡文件(*.crossfall;*.txt)|*.crossfall;*.txt|所有文件（*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>积木、LandXML及IFC文件(*.ele;*.xml;*.ifc)|*.ele;*.xml;*.ifc|平面文件(*.txt;*.jdx)|*.txt;*.jdx|所有文件（*.*)|*.*</source>
        <translation>积木、LandXML及IFC文件(*.ele;*.xml;*.ifc)|*.ele;*.xml;*.ifc|平面文件(*.txt;*.jdx)|*.txt;*.jdx|所有文件（*.*)|*.*</translation>
    </message>
    <message>
        <source>初始化未完成，计算仍用原线路。%1</source>
        <translation>初始化未完成，计算仍用原线路。%1</translation>
    </message>
    <message>
        <source>反算结束：共 %1 个点</source>
        <translation>反算结束：共 %1 个点</translation>
    </message>
    <message>
        <source>没有读到任何点：%1 是空文件或第一行为空，结果文件未写入</source>
        <translation>没有读到任何点：%1 是空文件或第一行为空，结果文件未写入</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>正在计算坐标文件。
退出将取消计算，结果文件不写入。确定退出吗？</source>
        <translation>正在计算坐标文件。
退出将取消计算，结果文件不写入。确定退出吗？</translation>
    </message>
    <message>
        <source>点在线路起点之前：桩号和左距按起点延长线计算，不是垂足的值</source>
        <translation>点在线路起点之前：桩号和左距按起点延长线计算，不是垂足的值</translation>
    </message>
    <message>
        <source>点在线路终点之后：桩号和左距按终点延长线计算，不是垂足的值</source>
        <translation>点在线路终点之后：桩号和左距按终点延长线计算，不是垂足的值</translation>
    </message>
    <message>
        <source>在浏览器中打开本项目的主页，并显示“关于”</source>
        <translation>在浏览器中打开本项目的主页，并显示“关于”</translation>
    </message>
</context>
<context>
    <name>vomel::gui::MainWindow</name>
    <message>
        <source>  纵 断 面</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vomel::gui::ProfileView</name>
    <message>
        <source>点号 %1
桩号 %2
左距 %3
实测高程 %4
设计高程 %5
高差 %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请载入纵断面文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R=%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设计线</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>实测点</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>竖向放大 %1 倍</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vomel::gui::ProfileWindow</name>
    <message>
        <source>纵断面</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>载入纵断面...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>载入横坡...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>桩号 %1  高程 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>纵断面：无</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>纵断面：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>横坡：无</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>横坡：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>实测点 %1 个</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无高程 %1 个</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>在纵断面外 %1 个</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>变坡点</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>桩号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>高程</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>坡度i1(%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>坡度i2(%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>凸/凹</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>起点桩号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>起点高程</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>终点桩号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>终点高程</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>凸</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>凹</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>纵断面：%1 与当前线路不符（%2）</source>
        <translation>纵断面：%1 与当前线路不符（%2）</translation>
    </message>
    <message>
        <source>横坡：%1 与当前线路不符（%2）</source>
        <translation>横坡：%1 与当前线路不符（%2）</translation>
    </message>
    <message>
        <source>无法绘制：%1</source>
        <translation>无法绘制：%1</translation>
    </message>
</context>
</TS>
