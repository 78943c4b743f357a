<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CurveTable</name>
    <message>
        <source>name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>deflection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>deflection_rad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ls1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ls2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RA1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RA2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>azimuth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>azimuth_rad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>straight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>arc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>entry spiral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exit spiral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>partial spiral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>node %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>element %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>line %1: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field %1 is not a number: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field %1 is beyond ±%2, the largest magnitude accepted: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field %1 is not a station (a number, optionally after its chain letter, or K5+030.00): %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line is longer than %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is longer than %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a carriage return (CR) inside the line: lines must end in CR LF or LF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file could not be read to its end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the file: it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open the file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot reach the results file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the results file is a folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open the results file for writing: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the results file cannot be replaced: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create a file in the folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write the results file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write the results file to disk: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a chain break needs two numbers, the back station and the ahead station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than %1 chain breaks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty: the header line with the start station is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ends before the start station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the start station is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than %1 intersection points: the table is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ends after the name %1: its data line is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the data line of %1 has %2 numbers; expected 5 (X Y R Ls1 Ls2) or 7 (... RA1 RA2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start line: %1 of the four numbers (station, X, Y, azimuth) before the end of the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field %1, the start azimuth, is %2 degrees or more: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than %1 element lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>element line has %1 fields; start radius, end radius and length are needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a point needs a label, X and Y; the line has %1 field%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than %1 points in one file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a grade point is `station elevation [radius]`; the line has %1 field%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a cross-fall line is `station left right` (percent); the line has %1 field%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <source>No such file or directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>道路测量反算</source>
        <translation>Road survey stations and offsets</translation>
    </message>
    <message>
        <source>Vomel 下载</source>
        <translation>Vomel download</translation>
    </message>
    <message>
        <source>单 位：</source>
        <translation>Organisation:</translation>
    </message>
    <message>
        <source>作 者：</source>
        <translation>Author:</translation>
    </message>
    <message>
        <source>软件下载：</source>
        <translation>Download:</translation>
    </message>
    <message>
        <source>E-mail：</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>  确  定</source>
        <translation>  OK</translation>
    </message>
    <message>
        <source>休息一下，马上回来！</source>
        <translation>Take a break, back soon!</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Minimise</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>Quit the program</translation>
    </message>
    <message>
        <source>双击关闭本窗口</source>
        <translation>Double-click to close this window</translation>
    </message>
    <message>
        <source>点号 %1
桩号 %2
左距 %3</source>
        <translation>Point %1
Station %2
Left offset %3</translation>
    </message>
    <message>
        <source>读取平面资料</source>
        <translation>Read the alignment</translation>
    </message>
    <message>
        <source>平面文件(*.txt;*.jdx)|*.txt;*.jdx|所有文件（*.*)|*.*</source>
        <translation>Alignment files (*.txt;*.jdx)|*.txt;*.jdx|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>读取坐标资料</source>
        <translation>Read the coordinates</translation>
    </message>
    <message>
        <source>坐标文件(*.txt;*.xy)|*.txt;*.xy|所有文件（*.*)|*.*</source>
        <translation>Coordinate files (*.txt;*.xy)|*.txt;*.xy|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>读取断链资料</source>
        <translation>Read the chain breaks</translation>
    </message>
    <message>
        <source>断链文件(*.txt;*.dl)|*.txt;*.dl|所有文件（*.*)|*.*</source>
        <translation>Chain-break files (*.txt;*.dl)|*.txt;*.dl|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>保存桩号距离文件</source>
        <translation>Save the station and offset file</translation>
    </message>
    <message>
        <source>桩号距离文件(*.txt)|*.txt|所有文件（*.*)|*.*</source>
        <translation>Station and offset files (*.txt)|*.txt|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>读取放样桩号</source>
        <translation>Read the stakeout stations</translation>
    </message>
    <message>
        <source>桩号文件(*.txt;*.st)|*.txt;*.st|所有文件（*.*)|*.*</source>
        <translation>Station files (*.txt;*.st)|*.txt;*.st|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>保存放样坐标文件</source>
        <translation>Save the stakeout coordinates</translation>
    </message>
    <message>
        <source>保存曲线表</source>
        <translation>Save the curve table</translation>
    </message>
    <message>
        <source>CSV文件(*.csv)|*.csv|所有文件（*.*)|*.*</source>
        <translation>CSV files (*.csv)|*.csv|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>保存平面图</source>
        <translation>Save the plan view</translation>
    </message>
    <message>
        <source>PNG图片(*.png)|*.png</source>
        <translation>PNG pictures (*.png)|*.png</translation>
    </message>
    <message>
        <source>X坐标</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y坐标</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>%1为空，请输入数字</source>
        <translation>%1 is empty: type a number</translation>
    </message>
    <message>
        <source>%1不是数字：%2</source>
        <translation>%1 is not a number: %2</translation>
    </message>
    <message>
        <source>%1超出范围（绝对值不大于1000000000）：%2</source>
        <translation>%1 is out of range (magnitude at most 1000000000): %2</translation>
    </message>
    <message>
        <source>反算结束：点在线路起点之前，没有垂足</source>
        <translation>Done: the point lies before the start of the line, it has no foot</translation>
    </message>
    <message>
        <source>反算结束：点在线路终点之后，没有垂足</source>
        <translation>Done: the point lies after the end of the line, it has no foot</translation>
    </message>
    <message>
        <source>反算结束：点在线路转角外侧，垂足取转角点</source>
        <translation>Done: the point lies outside a corner of the line; its foot is the corner</translation>
    </message>
    <message>
        <source>%1&#x3000;导入提示：%2</source>
        <translation>%1  Import notes: %2</translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
    <message>
        <source>反算结束：共 %1 个点，%2 个在起点之前，%3 个在终点之后</source>
        <translation>Done: %1 points, %2 before the start, %3 after the end</translation>
    </message>
    <message>
        <source>%1：没有选择文件</source>
        <translation>%1: no file was chosen</translation>
    </message>
    <message>
        <source>计算已取消，结果文件未写入</source>
        <translation>Cancelled: the results file was not written</translation>
    </message>
    <message>
        <source>计算被取消</source>
        <translation>the run was cancelled</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>当前线路：无</source>
        <translation>Line in use: none</translation>
    </message>
    <message>
        <source>当前线路：</source>
        <translation>Line in use: </translation>
    </message>
    <message>
        <source>  交点：</source>
        <translation>  JD: </translation>
    </message>
    <message>
        <source>  断链：</source>
        <translation>  chain breaks: </translation>
    </message>
    <message>
        <source>  积木：</source>
        <translation>  elements: </translation>
    </message>
    <message>
        <source>无</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Vomel V2.0</source>
        <translation>Vomel V2.0</translation>
    </message>
    <message>
        <source>方 法</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>交点法—主线</source>
        <translation>JD method — main line</translation>
    </message>
    <message>
        <source>积木法—互通</source>
        <translation>Element method — ramp</translation>
    </message>
    <message>
        <source>选 项</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>单个坐标</source>
        <translation>One point</translation>
    </message>
    <message>
        <source>读取坐标文件</source>
        <translation>Coordinate file</translation>
    </message>
    <message>
        <source>桩号</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>左距</source>
        <translation>Left offset</translation>
    </message>
    <message>
        <source>回车光标切换到Y输入框
</source>
        <translation>Enter moves to the Y box
</translation>
    </message>
    <message>
        <source>回车计算</source>
        <translation>Enter computes</translation>
    </message>
    <message>
        <source>A、B、C...为断链标识</source>
        <translation>A, B, C... mark the chain-break sections</translation>
    </message>
    <message>
        <source>左正右负</source>
        <translation>Left positive, right negative</translation>
    </message>
    <message>
        <source>  初 始 化</source>
        <translation>  Initialise</translation>
    </message>
    <message>
        <source>  计   算</source>
        <translation>  Compute</translation>
    </message>
    <message>
        <source>  退  出</source>
        <translation>  Exit</translation>
    </message>
    <message>
        <source>  帮  助</source>
        <translation>  Help</translation>
    </message>
    <message>
        <source>  更多软件</source>
        <translation>  More software</translation>
    </message>
    <message>
        <source>  平 面 图</source>
        <translation>  Plan view</translation>
    </message>
    <message>
        <source>无法绘制平面图！</source>
        <translation>The plan view cannot be drawn!</translation>
    </message>
    <message>
        <source>平面图</source>
        <translation>Plan view</translation>
    </message>
    <message>
        <source>全图显示</source>
        <translation>Fit all</translation>
    </message>
    <message>
        <source>保存图片…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>保存图片失败！</source>
        <translation>The picture could not be saved!</translation>
    </message>
    <message>
        <source>  曲 线 表</source>
        <translation>  Curve table</translation>
    </message>
    <message>
        <source>  放  样</source>
        <translation>  Stakeout</translation>
    </message>
    <message>
        <source>曲线表</source>
        <translation>Curve table</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>保存CSV...</source>
        <translation>Save CSV...</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>已复制到剪贴板</source>
        <translation>Copied to the clipboard</translation>
    </message>
    <message>
        <source>已保存：</source>
        <translation>Saved: </translation>
    </message>
    <message>
        <source>放样</source>
        <translation>Stakeout</translation>
    </message>
    <message>
        <source>连续桩号，或带断链标识的桩号，如 B1000.5</source>
        <translation>A continuous station, or one with its chain letter, e.g. B1000.5</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>文件放样...</source>
        <translation>Stake out a file...</translation>
    </message>
    <message>
        <source>输入桩号和左距，点击计算</source>
        <translation>Type a station and a left offset, then click Compute</translation>
    </message>
    <message>
        <source>放样结束：</source>
        <translation>Stakeout done: </translation>
    </message>
    <message>
        <source>桩号有误：</source>
        <translation>Wrong station: </translation>
    </message>
    <message>
        <source>左距不是数字</source>
        <translation>The left offset is not a number</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>找不到帮助文件：</source>
        <translation>The help file cannot be found: </translation>
    </message>
    <message>
        <source>无法打开帮助文件：</source>
        <translation>The help file cannot be opened: </translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>读取文件被取消！</source>
        <translation>Reading the files was cancelled!</translation>
    </message>
    <message>
        <source>数据文件格式有误！</source>
        <translation>A data file is malformed!</translation>
    </message>
    <message>
        <source>数据文件格式有误或操作不当！</source>
        <translation>A data file is malformed, or the step is not possible!</translation>
    </message>
    <message>
        <source>请先初始化读取平面、断链资料</source>
        <translation>First initialise: read the alignment and the chain breaks</translation>
    </message>
    <message>
        <source>正在初始化......</source>
        <translation>Initialising......</translation>
    </message>
    <message>
        <source>输入XY坐标，点击计算按钮</source>
        <translation>Type X and Y, then click Compute</translation>
    </message>
    <message>
        <source>点击计算按钮,依次选取坐标文件和桩号文件</source>
        <translation>Click Compute, then choose the coordinate file and the results file</translation>
    </message>
    <message>
        <source>反算结束</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>正在反算第 %1 个   共 %2 个</source>
        <translation>Computing point %1 of %2</translation>
    </message>
    <message>
        <source>这条主线有断链吗？
选“是”读取断链文件，选“否”按无断链计算。</source>
        <translation>Does this main line have chain breaks?
Yes reads a chain-break file; No computes without chain breaks.</translation>
    </message>
    <message>
        <source>读取纵断面资料</source>
        <translation>Read the profile</translation>
    </message>
    <message>
        <source>纵断面文件(*.profile;*.txt)|*.profile;*.txt|所有文件（*.*)|*.*</source>
        <translation>Profile files (*.profile;*.txt)|*.profile;*.txt|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>读取横坡资料</source>
        <translation>Read the cross-fall</translation>
    </message>
    <message>
        <source>横坡文件(*.crossfall;*.txt)|*.crossfall;*.txt|所有文件（*.*)|*.*</source>
        <translation>Cross-fall files (*.crossfall;*.txt)|*.crossfall;*.txt|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>积木、LandXML及IFC文件(*.ele;*.xml;*.ifc)|*.ele;*.xml;*.ifc|平面文件(*.txt;*.jdx)|*.txt;*.jdx|所有文件（*.*)|*.*</source>
        <translation>Element, LandXML and IFC files (*.ele;*.xml;*.ifc)|*.ele;*.xml;*.ifc|Alignment files (*.txt;*.jdx)|*.txt;*.jdx|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>初始化未完成，计算仍用原线路。%1</source>
        <translation>Initialisation not completed; computations still use the line before. %1</translation>
    </message>
    <message>
        <source>反算结束：共 %1 个点</source>
        <translation>Done: %1 points</translation>
    </message>
    <message>
        <source>没有读到任何点：%1 是空文件或第一行为空，结果文件未写入</source>
        <translation>No point was read: %1 is empty or its first line is blank; the results file was not written</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>正在计算坐标文件。
退出将取消计算，结果文件不写入。确定退出吗？</source>
        <translation>A coordinate file is being computed.
Exiting cancels the run and the results file is not written. Exit?</translation>
    </message>
    <message>
        <source>点在线路起点之前：桩号和左距按起点延长线计算，不是垂足的值</source>
        <translation>The point lies before the start of the line: the station and offset are measured along the start's extension, not from a perpendicular foot</translation>
    </message>
    <message>
        <source>点在线路终点之后：桩号和左距按终点延长线计算，不是垂足的值</source>
        <translation>The point lies after the end of the line: the station and offset are measured along the end's extension, not from a perpendicular foot</translation>
    </message>
    <message>
        <source>在浏览器中打开本项目的主页，并显示“关于”</source>
        <translation>Opens the project's home page in the browser, then shows About</translation>
    </message>
</context>
<context>
    <name>vomel::gui::MainWindow</name>
    <message>
        <source>  纵 断 面</source>
        <translation>  Profile</translation>
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
        <translation>Point %1
Station %2
Left offset %3
Surveyed elevation %4
Design elevation %5
Difference %6</translation>
    </message>
    <message>
        <source>请载入纵断面文件</source>
        <translation>Load a profile file</translation>
    </message>
    <message>
        <source>R=%1</source>
        <translation>R=%1</translation>
    </message>
    <message>
        <source>设计线</source>
        <translation>Design line</translation>
    </message>
    <message>
        <source>实测点</source>
        <translation>Surveyed points</translation>
    </message>
    <message>
        <source>竖向放大 %1 倍</source>
        <translation>Vertical exaggeration %1×</translation>
    </message>
</context>
<context>
    <name>vomel::gui::ProfileWindow</name>
    <message>
        <source>纵断面</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>载入纵断面...</source>
        <translation>Load profile...</translation>
    </message>
    <message>
        <source>载入横坡...</source>
        <translation>Load cross-fall...</translation>
    </message>
    <message>
        <source>桩号 %1  高程 %2</source>
        <translation>Station %1  elevation %2</translation>
    </message>
    <message>
        <source>纵断面：无</source>
        <translation>Profile: none</translation>
    </message>
    <message>
        <source>纵断面：%1</source>
        <translation>Profile: %1</translation>
    </message>
    <message>
        <source>横坡：无</source>
        <translation>Cross-fall: none</translation>
    </message>
    <message>
        <source>横坡：%1</source>
        <translation>Cross-fall: %1</translation>
    </message>
    <message>
        <source>实测点 %1 个</source>
        <translation>%1 surveyed points</translation>
    </message>
    <message>
        <source>无高程 %1 个</source>
        <translation>%1 without elevation</translation>
    </message>
    <message>
        <source>在纵断面外 %1 个</source>
        <translation>%1 outside the profile</translation>
    </message>
    <message>
        <source>变坡点</source>
        <translation>Grade point</translation>
    </message>
    <message>
        <source>桩号</source>
        <translation type="unfinished">Station</translation>
    </message>
    <message>
        <source>高程</source>
        <translation>Elevation</translation>
    </message>
    <message>
        <source>坡度i1(%)</source>
        <translation>Grade i1 (%)</translation>
    </message>
    <message>
        <source>坡度i2(%)</source>
        <translation>Grade i2 (%)</translation>
    </message>
    <message>
        <source>凸/凹</source>
        <translation>Crest/sag</translation>
    </message>
    <message>
        <source>起点桩号</source>
        <translation>Start station</translation>
    </message>
    <message>
        <source>起点高程</source>
        <translation>Start elevation</translation>
    </message>
    <message>
        <source>终点桩号</source>
        <translation>End station</translation>
    </message>
    <message>
        <source>终点高程</source>
        <translation>End elevation</translation>
    </message>
    <message>
        <source>凸</source>
        <translation>crest</translation>
    </message>
    <message>
        <source>凹</source>
        <translation>sag</translation>
    </message>
    <message>
        <source>纵断面：%1 与当前线路不符（%2）</source>
        <translation>Profile: %1 does not fit the line in use (%2)</translation>
    </message>
    <message>
        <source>横坡：%1 与当前线路不符（%2）</source>
        <translation>Cross-fall: %1 does not fit the line in use (%2)</translation>
    </message>
    <message>
        <source>无法绘制：%1</source>
        <translation>Cannot draw: %1</translation>
    </message>
</context>
</TS>
