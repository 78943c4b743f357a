<?xml version='1.0' encoding='utf-8'?>
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
</TS>