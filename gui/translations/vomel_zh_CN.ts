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
    <message>
        <source>%1 is not a finite number</source>
        <translation>%1不是有限数</translation>
    </message>
    <message>
        <source>division by zero in %1</source>
        <translation>计算%1时除以零</translation>
    </message>
    <message>
        <source>overflow in %1</source>
        <translation>计算%1时溢出</translation>
    </message>
    <message>
        <source>a number to be written is not finite</source>
        <translation>要写出的数不是有限数</translation>
    </message>
    <message>
        <source>start azimuth is not a finite number</source>
        <translation>起始方位角不是有限数</translation>
    </message>
    <message>
        <source>start azimuth %1 is %2 degrees or more</source>
        <translation>起始方位角 %1 不小于%2度</translation>
    </message>
    <message>
        <source>start azimuth %1 cannot be read as D.MMSS</source>
        <translation>起始方位角 %1 无法按 度.分分秒秒 读取</translation>
    </message>
    <message>
        <source>arc deflection</source>
        <translation>圆曲线偏角</translation>
    </message>
    <message>
        <source>spiral deflection</source>
        <translation>缓和曲线偏角</translation>
    </message>
    <message>
        <source>spiral constant</source>
        <translation>缓和曲线参数</translation>
    </message>
    <message>
        <source>partial spiral</source>
        <translation>不完整缓和曲线</translation>
    </message>
    <message>
        <source>factorial of %1 is out of range</source>
        <translation>%1 的阶乘超出范围</translation>
    </message>
    <message>
        <source>spiral tangent gain</source>
        <translation>缓和曲线切线增长值</translation>
    </message>
    <message>
        <source>spiral shift</source>
        <translation>缓和曲线内移值</translation>
    </message>
    <message>
        <source>spiral point x</source>
        <translation>缓和曲线上点的 x</translation>
    </message>
    <message>
        <source>spiral point y</source>
        <translation>缓和曲线上点的 y</translation>
    </message>
    <message>
        <source>tangent length</source>
        <translation>切线长</translation>
    </message>
    <message>
        <source>arc point</source>
        <translation>圆曲线上的点</translation>
    </message>
    <message>
        <source>series of %1 does not converge</source>
        <translation>%1的级数不收敛</translation>
    </message>
    <message>
        <source>spiral span x</source>
        <translation>缓和曲线弦长 x</translation>
    </message>
    <message>
        <source>spiral span y</source>
        <translation>缓和曲线弦长 y</translation>
    </message>
    <message>
        <source>the two sides are parallel: they do not intersect</source>
        <translation>两条边平行：没有交点</translation>
    </message>
    <message>
        <source>side intersection</source>
        <translation>两边交点</translation>
    </message>
    <message>
        <source>entry spiral extra length</source>
        <translation>第一缓和曲线附加长度</translation>
    </message>
    <message>
        <source>exit spiral extra length</source>
        <translation>第二缓和曲线附加长度</translation>
    </message>
    <message>
        <source>entry origin azimuth</source>
        <translation>第一缓和曲线起点方位角</translation>
    </message>
    <message>
        <source>exit origin azimuth</source>
        <translation>第二缓和曲线起点方位角</translation>
    </message>
    <message>
        <source>the number is beyond the double range</source>
        <translation>数值超出双精度范围</translation>
    </message>
    <message>
        <source>not a K-form station (K, kilometres, +, metres: K5+030.00): %1: %2</source>
        <translation>不是 K 形式的桩号（K、公里数、+、米数，如 K5+030.00）：%1：%2</translation>
    </message>
    <message>
        <source>no K</source>
        <translation>没有“K”</translation>
    </message>
    <message>
        <source>no +</source>
        <translation>没有“+”</translation>
    </message>
    <message>
        <source>the kilometres are not a whole number</source>
        <translation>公里数不是整数</translation>
    </message>
    <message>
        <source>the metres after + are not a decimal number</source>
        <translation>+ 后的米数不是十进制数</translation>
    </message>
    <message>
        <source>the metres after + are 1000 or more: %1</source>
        <translation>+ 后的米数不小于 1000：%1</translation>
    </message>
    <message>
        <source>station</source>
        <translation>桩号</translation>
    </message>
    <message>
        <source>a K-form station cannot be negative: %1</source>
        <translation>K 形式的桩号不能为负：%1</translation>
    </message>
    <message>
        <source>the start</source>
        <translation>起点</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>终点</translation>
    </message>
    <message>
        <source>chain %1 runs from %2 to %3</source>
        <translation>%1 链从%2到%3</translation>
    </message>
    <message>
        <source>the station is not a finite number</source>
        <translation>桩号不是有限数</translation>
    </message>
    <message>
        <source>there is no chain %1: the line has no chain breaks, its only chain is A</source>
        <translation>没有 %1 链：线路没有断链，只有 A 链</translation>
    </message>
    <message>
        <source>there is no chain %1: the line&apos;s chains run from A to %2</source>
        <translation>没有 %1 链：线路的链从 A 到 %2</translation>
    </message>
    <message>
        <source>station %1 does not exist: %2</source>
        <translation>桩号 %1 不存在：%2</translation>
    </message>
    <message>
        <source>station %1 lies at two places, continuous stations %2 and %3: the chain breaks are out of order</source>
        <translation>桩号 %1 出现在两处（连续桩号 %2 和 %3）：断链次序有误</translation>
    </message>
    <message>
        <source>the table would have %1 rows, more than %2: choose a larger interval or a shorter stretch with --from and --to</source>
        <translation>表的行数将为 %1，超过 %2：请加大间距，或用 --from 和 --to 缩短范围</translation>
    </message>
    <message>
        <source>no station from %1 to %2 lies on the line, which runs from %3 to %4 (continuous stations)</source>
        <translation>从 %1 到 %2 没有设计线上的桩号，设计线从 %3 到 %4（连续桩号）</translation>
    </message>
    <message>
        <source>field %1: %2</source>
        <translation>第%1个字段：%2</translation>
    </message>
    <message>
        <source>element %1: %2</source>
        <translation>积木 %1：%2</translation>
    </message>
    <message>
        <source>radius or length is not a finite number</source>
        <translation>半径或长度不是有限数</translation>
    </message>
    <message>
        <source>length %1 is negative</source>
        <translation>长度 %1 为负</translation>
    </message>
    <message>
        <source>radius is 0</source>
        <translation>半径为 0</translation>
    </message>
    <message>
        <source>partial spiral constant is 0 (length 0)</source>
        <translation>不完整缓和曲线的参数为 0（长度为 0）</translation>
    </message>
    <message>
        <source>the partial spiral turns through %1 rad; at most %2 (four full turns) are accepted</source>
        <translation>不完整缓和曲线转过 %1 rad；最多接受 %2（四整圈）</translation>
    </message>
    <message>
        <source>%1 elements; a chain holds at most %2</source>
        <translation>共%1个积木；一条积木链最多%2个</translation>
    </message>
    <message>
        <source>start station</source>
        <translation>起点桩号</translation>
    </message>
    <message>
        <source>start X</source>
        <translation>起点 X</translation>
    </message>
    <message>
        <source>start Y</source>
        <translation>起点 Y</translation>
    </message>
    <message>
        <source>start azimuth</source>
        <translation>起始方位角</translation>
    </message>
    <message>
        <source>node station</source>
        <translation>节点桩号</translation>
    </message>
    <message>
        <source>node azimuth</source>
        <translation>节点方位角</translation>
    </message>
    <message>
        <source>node X</source>
        <translation>节点 X</translation>
    </message>
    <message>
        <source>node Y</source>
        <translation>节点 Y</translation>
    </message>
    <message>
        <source>a cross-fall file needs at least one line `station left right`</source>
        <translation>横坡文件至少需要一行“桩号 左坡 右坡”</translation>
    </message>
    <message>
        <source>the station %1 does not follow the previous line&apos;s %2: stations must increase</source>
        <translation>桩号 %1 不大于上一行的 %2：桩号必须递增</translation>
    </message>
    <message>
        <source>offset</source>
        <translation>偏距</translation>
    </message>
    <message>
        <source>cross-fall rise</source>
        <translation>横坡高差</translation>
    </message>
    <message>
        <source>no profile is given: design elevations need one</source>
        <translation>没有纵断面：设计高程需要纵断面</translation>
    </message>
    <message>
        <source>design elevation</source>
        <translation>设计高程</translation>
    </message>
    <message>
        <source>intersection point %1 (%2)</source>
        <translation>交点 %1（%2）</translation>
    </message>
    <message>
        <source>intersection point %1</source>
        <translation>交点 %1</translation>
    </message>
    <message>
        <source>no main line was read</source>
        <translation>没有读取主线</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>deflection is 0 (the sides run straight on)</source>
        <translation>偏角为 0（两边成一直线）</translation>
    </message>
    <message>
        <source>outer radius of the entry spiral equals the radius</source>
        <translation>第一缓和曲线的外端半径等于圆曲线半径</translation>
    </message>
    <message>
        <source>outer radius of the entry spiral is smaller than the radius</source>
        <translation>第一缓和曲线的外端半径小于圆曲线半径</translation>
    </message>
    <message>
        <source>outer radius of the exit spiral equals the radius</source>
        <translation>第二缓和曲线的外端半径等于圆曲线半径</translation>
    </message>
    <message>
        <source>outer radius of the exit spiral is smaller than the radius</source>
        <translation>第二缓和曲线的外端半径小于圆曲线半径</translation>
    </message>
    <message>
        <source>ZH X</source>
        <translation>ZH 点 X</translation>
    </message>
    <message>
        <source>ZH Y</source>
        <translation>ZH 点 Y</translation>
    </message>
    <message>
        <source>HY X</source>
        <translation>HY 点 X</translation>
    </message>
    <message>
        <source>HY Y</source>
        <translation>HY 点 Y</translation>
    </message>
    <message>
        <source>HZ X</source>
        <translation>HZ 点 X</translation>
    </message>
    <message>
        <source>HZ Y</source>
        <translation>HZ 点 Y</translation>
    </message>
    <message>
        <source>side azimuth</source>
        <translation>边的方位角</translation>
    </message>
    <message>
        <source>ZH station</source>
        <translation>ZH 点桩号</translation>
    </message>
    <message>
        <source>HY station</source>
        <translation>HY 点桩号</translation>
    </message>
    <message>
        <source>YH station</source>
        <translation>YH 点桩号</translation>
    </message>
    <message>
        <source>HZ station</source>
        <translation>HZ 点桩号</translation>
    </message>
    <message>
        <source>HY azimuth</source>
        <translation>HY 点方位角</translation>
    </message>
    <message>
        <source>curve length</source>
        <translation>曲线长</translation>
    </message>
    <message>
        <source>the intersection-point table has %1 rows; a line needs at least a start and an end point</source>
        <translation>交点表只有%1行；线路至少需要起点和终点</translation>
    </message>
    <message>
        <source>the intersection-point table has more than %1 rows</source>
        <translation>交点表超过%1行</translation>
    </message>
    <message>
        <source>spiral tangent</source>
        <translation>缓和曲线切线</translation>
    </message>
    <message>
        <source>spiral curvature</source>
        <translation>缓和曲线曲率</translation>
    </message>
    <message>
        <source>the main line has fewer than two intersection points</source>
        <translation>主线的交点少于两个</translation>
    </message>
    <message>
        <source>station is not a finite number</source>
        <translation>桩号不是有限数</translation>
    </message>
    <message>
        <source>arc curvature</source>
        <translation>圆曲线曲率</translation>
    </message>
    <message>
        <source>station %1 lies on no element of %2: the key stations of the curves overlap</source>
        <translation>桩号 %1 不在%2的任何线元上：曲线主点桩号重叠</translation>
    </message>
    <message>
        <source>the line holds no element</source>
        <translation>线路中没有线元</translation>
    </message>
    <message>
        <source>element %1: more than %2 elements (reverse spirals count twice)</source>
        <translation>积木 %1：积木超过%2个（反向缓和曲线算两个）</translation>
    </message>
    <message>
        <source>no element chain was read</source>
        <translation>没有读取积木链</translation>
    </message>
    <message>
        <source>point X</source>
        <translation>点 X</translation>
    </message>
    <message>
        <source>point Y</source>
        <translation>点 Y</translation>
    </message>
    <message>
        <source>tangent azimuth</source>
        <translation>切线方位角</translation>
    </message>
    <message>
        <source>curvature</source>
        <translation>曲率</translation>
    </message>
    <message>
        <source>row count %1 is out of range</source>
        <translation>行数 %1 超出范围</translation>
    </message>
    <message>
        <source>%1 elements after splitting %2 reverse spirals; at most %3 rows are allowed</source>
        <translation>拆分%2个反向缓和曲线后共%1个积木；最多允许%3行</translation>
    </message>
    <message>
        <source>angle</source>
        <translation>角度</translation>
    </message>
    <message>
        <source>grade on the circular vertical curve</source>
        <translation>圆形竖曲线上的坡度</translation>
    </message>
    <message>
        <source>the curve length %1 is negative</source>
        <translation>竖曲线长度 %1 为负</translation>
    </message>
    <message>
        <source>the unsymmetric vertical curve has lengths %1 in and %2 out: it needs both or neither</source>
        <translation>非对称竖曲线前长 %1、后长 %2：两者要么都有，要么都没有</translation>
    </message>
    <message>
        <source>a profile needs at least two grade points; the file has %1</source>
        <translation>纵断面至少需要两个变坡点；文件中只有%1个</translation>
    </message>
    <message>
        <source>the station %1 does not follow the previous grade point&apos;s %2: stations must increase</source>
        <translation>桩号 %1 不大于上一个变坡点的 %2：桩号必须递增</translation>
    </message>
    <message>
        <source>the radius %1 is negative</source>
        <translation>半径 %1 为负</translation>
    </message>
    <message>
        <source>the first grade point has a radius: a vertical curve needs a grade on both sides</source>
        <translation>第一个变坡点有半径：竖曲线两侧都需要坡段</translation>
    </message>
    <message>
        <source>the last grade point has a radius: a vertical curve needs a grade on both sides</source>
        <translation>最后一个变坡点有半径：竖曲线两侧都需要坡段</translation>
    </message>
    <message>
        <source>the first grade point has a vertical curve: a vertical curve needs a grade on both sides</source>
        <translation>第一个变坡点有竖曲线：竖曲线两侧都需要坡段</translation>
    </message>
    <message>
        <source>the last grade point has a vertical curve: a vertical curve needs a grade on both sides</source>
        <translation>最后一个变坡点有竖曲线：竖曲线两侧都需要坡段</translation>
    </message>
    <message>
        <source>the grade to this point</source>
        <translation>到该点的坡度</translation>
    </message>
    <message>
        <source>the length of the vertical curve</source>
        <translation>竖曲线长度</translation>
    </message>
    <message>
        <source>the radius</source>
        <translation>半径</translation>
    </message>
    <message>
        <source>the vertical curve (T = %1) is longer than the grade before it (%2)</source>
        <translation>竖曲线（T = %1）比其前的坡段（%2）长</translation>
    </message>
    <message>
        <source>the vertical curve (T = %1) is longer than the grade after it (%2)</source>
        <translation>竖曲线（T = %1）比其后的坡段（%2）长</translation>
    </message>
    <message>
        <source>the vertical curve (T = %1) overlaps the one of the previous grade point (T = %2): they are %3 apart</source>
        <translation>竖曲线（T = %1）与上一个变坡点的竖曲线（T = %2）重叠：两变坡点相距 %3</translation>
    </message>
    <message>
        <source>station %1 lies outside the profile, which runs from %2 to %3</source>
        <translation>桩号 %1 在纵断面范围之外（纵断面从 %2 到 %3）</translation>
    </message>
    <message>
        <source>grade</source>
        <translation>坡度</translation>
    </message>
    <message>
        <source>the start or end station of the line is not a finite number</source>
        <translation>线路的起点或终点桩号不是有限数</translation>
    </message>
    <message>
        <source>the end station %1 lies below the start station %2</source>
        <translation>终点桩号 %1 小于起点桩号 %2</translation>
    </message>
    <message>
        <source>the line is too long to be sampled</source>
        <translation>线路太长，无法取样</translation>
    </message>
    <message>
        <source>X of a sample of the line</source>
        <translation>线路取样点的 X</translation>
    </message>
    <message>
        <source>Y of a sample of the line</source>
        <translation>线路取样点的 Y</translation>
    </message>
    <message>
        <source>no alignment has been initialised</source>
        <translation>尚未初始化线路</translation>
    </message>
    <message>
        <source>%1 %2 is beyond ±%3</source>
        <translation>%1 %2 超出±%3</translation>
    </message>
    <message>
        <source>X of the point</source>
        <translation>点的 X</translation>
    </message>
    <message>
        <source>Y of the point</source>
        <translation>点的 Y</translation>
    </message>
    <message>
        <source>X of the line</source>
        <translation>线路的 X</translation>
    </message>
    <message>
        <source>Y of the line</source>
        <translation>线路的 Y</translation>
    </message>
    <message>
        <source>the sample index does not belong to this sample table</source>
        <translation>取样索引不属于这张取样表</translation>
    </message>
    <message>
        <source>the reach of a sample search is not a finite, non-negative distance</source>
        <translation>取样搜索范围不是有限的非负距离</translation>
    </message>
    <message>
        <source>a CASS point is `name,code,E,N,elevation`; the line has %1 field%2</source>
        <translation>CASS 点的格式为“点名,编码,E,N,高程”；该行有%1个字段</translation>
    </message>
    <message>
        <source>field 1, the point name, is empty</source>
        <translation>第1个字段（点名）为空</translation>
    </message>
    <message>
        <source>the name %1 holds a comma, which the CASS format cannot carry</source>
        <translation>点名 %1 含有逗号，CASS 格式无法容纳</translation>
    </message>
    <message>
        <source>the code %1 holds a comma, which the CASS format cannot carry</source>
        <translation>编码 %1 含有逗号，CASS 格式无法容纳</translation>
    </message>
    <message>
        <source>#%1 is not defined</source>
        <translation>#%1 没有定义</translation>
    </message>
    <message>
        <source>the file holds no IfcAlignment</source>
        <translation>文件中没有 IfcAlignment</translation>
    </message>
    <message>
        <source>no alignment is called %1; the file holds %2</source>
        <translation>没有名为 %1 的线形；文件中有 %2</translation>
    </message>
    <message>
        <source>alignment %1: %2</source>
        <translation>线形 %1：%2</translation>
    </message>
    <message>
        <source>not a LandXML document: the file does not begin with an XML element</source>
        <translation>不是 LandXML 文档：文件不以 XML 元素开头</translation>
    </message>
    <message>
        <source>not a well-formed XML document: %1</source>
        <translation>不是格式正确的 XML 文档：%1</translation>
    </message>
    <message>
        <source>the document&apos;s root element is &lt;%1&gt;, not &lt;LandXML&gt;</source>
        <translation>文档的根元素是 &lt;%1&gt;，不是 &lt;LandXML&gt;</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;; radians, grads, decimal degrees or decimal dd.mm.ss are read</source>
        <translation>%1 为“%2”；只能读取弧度（radians）、百分度（grads）、十进制度（decimal degrees）或度分秒（decimal dd.mm.ss）</translation>
    </message>
    <message>
        <source>alignment &quot;%1&quot;: %2</source>
        <translation>线形“%1”：%2</translation>
    </message>
    <message>
        <source>the CircCurve&apos;s length %1 %2 and radius %3 %2 disagree: an arc of that radius between these grades is %4 %2 long, %5 %2 apart where the written numbers allow %6 %2</source>
        <translation>CircCurve 的长度 %1 %2 与半径 %3 %2 不符：两坡之间该半径的圆弧长 %4 %2，相差 %5 %2，而所写数值只允许 %6 %2</translation>
    </message>
    <message>
        <source>the file holds no Alignments/Alignment</source>
        <translation>文件中没有 Alignments/Alignment</translation>
    </message>
    <message>
        <source>no alignment is called &quot;%1&quot;; the file holds %2</source>
        <translation>没有名为“%1”的线形；文件中有 %2</translation>
    </message>
    <message>
        <source>lengths are in %1 (%2 %3); only files in metres, US survey feet or international feet can be imported</source>
        <translation>长度单位为 %1（%2 %3）；只能导入以米、美国测量英尺或国际英尺为单位的文件</translation>
    </message>
    <message>
        <source>elevations are in %1 (%2 %3); only files in metres, US survey feet or international feet can be imported</source>
        <translation>高程单位为 %1（%2 %3）；只能导入以米、美国测量英尺或国际英尺为单位的文件</translation>
    </message>
    <message>
        <source>no UTF-8 to GBK converter: %1</source>
        <translation>没有 UTF-8 到 GBK 的转换器：%1</translation>
    </message>
    <message>
        <source>cannot convert the header to GBK: %1</source>
        <translation>无法把表头转换为 GBK 编码：%1</translation>
    </message>
    <message>
        <source>no results file was named</source>
        <translation>没有指定成果文件</translation>
    </message>
    <message>
        <source>the results file is already closed</source>
        <translation>成果文件已经关闭</translation>
    </message>
    <message>
        <source>cannot finish writing the results file: %1</source>
        <translation>无法写完成果文件：%1</translation>
    </message>
    <message>
        <source>cannot put the results file in place: %1</source>
        <translation>无法把成果文件放到位：%1</translation>
    </message>
    <message>
        <source>a comment /* is never closed</source>
        <translation>注释 /* 没有结束</translation>
    </message>
    <message>
        <source>expected %1; found %2</source>
        <translation>应为 %1，实为 %2</translation>
    </message>
    <message>
        <source>not a STEP file (ISO 10303-21): it does not begin with ISO-10303-21;</source>
        <translation>不是 STEP 文件（ISO 10303-21）：文件不以 ISO-10303-21; 开头</translation>
    </message>
    <message>
        <source>FILE_SCHEMA does not name a schema</source>
        <translation>FILE_SCHEMA 没有给出模式名</translation>
    </message>
    <message>
        <source>the file&apos;s schema is %1; only %2 can be read</source>
        <translation>文件的模式为 %1；只能读取 %2</translation>
    </message>
    <message>
        <source>the file has no DATA section: expected DATA; after the HEADER, found %1</source>
        <translation>文件没有 DATA 段：HEADER 之后应为 DATA;，实为 %1</translation>
    </message>
    <message>
        <source>instance #%1 is longer than %2 bytes</source>
        <translation>实例 #%1 超过%2字节</translation>
    </message>
    <message>
        <source>#%1 is defined twice (first on line %2)</source>
        <translation>#%1 定义了两次（第一次在第%2行）</translation>
    </message>
    <message>
        <source>#%1 is referred to but not defined</source>
        <translation>引用了 #%1，但它没有定义</translation>
    </message>
    <message>
        <source>dz</source>
        <translation>高差 dz</translation>
    </message>
    <message>
        <source>the file changed while it was being read (%1 points counted, %2 read)</source>
        <translation>读取期间文件发生了变化（计数%1个点，读取%2个）</translation>
    </message>
    <message>
        <source>point %1: %2</source>
        <translation>点 %1：%2</translation>
    </message>
    <message>
        <source>residual</source>
        <translation>残差</translation>
    </message>
    <message>
        <source>the line is %1 m long; at most %2 m can be sampled</source>
        <translation>线路长 %1 m；最多只能对 %2 m 取样</translation>
    </message>
    <message>
        <source>not enough memory for the samples of a %1 m line</source>
        <translation>内存不足，无法为 %1 m 长的线路取样</translation>
    </message>
    <message>
        <source>no design line was read</source>
        <translation>没有读取设计线</translation>
    </message>
    <message>
        <source>a station line holds a label, a station, an offset and optionally an elevation; the line has %1 field%2</source>
        <translation>放样行的格式为：点名、桩号、偏距，可选高程；该行有%1个字段</translation>
    </message>
    <message>
        <source>X of the set-out point</source>
        <translation>放样点的 X</translation>
    </message>
    <message>
        <source>Y of the set-out point</source>
        <translation>放样点的 Y</translation>
    </message>
    <message>
        <source>cannot write the table to standard output</source>
        <translation>无法把表格写到标准输出</translation>
    </message>
    <message>
        <source>beyond the profile: %1</source>
        <translation>超出纵断面范围：%1</translation>
    </message>
    <message>
        <source>the plan view cannot draw %1: a coordinate is not finite</source>
        <translation>平面图无法绘制%1：坐标不是有限数</translation>
    </message>
    <message>
        <source>a key point</source>
        <translation>主点</translation>
    </message>
    <message>
        <source>an intersection point</source>
        <translation>交点</translation>
    </message>
    <message>
        <source>a tangent</source>
        <translation>切线</translation>
    </message>
    <message>
        <source>the plan view cannot draw a station tick: no tangent</source>
        <translation>平面图无法绘制桩号刻度：没有切线方向</translation>
    </message>
    <message>
        <source>a station tick</source>
        <translation>桩号刻度</translation>
    </message>
    <message>
        <source>no design line has been initialised</source>
        <translation>尚未初始化设计线</translation>
    </message>
    <message>
        <source>the design line</source>
        <translation>设计线</translation>
    </message>
    <message>
        <source>the plan view was given points and solutions that do not match</source>
        <translation>平面图得到的点与计算结果不对应</translation>
    </message>
    <message>
        <source>the plan view cannot draw the point %1: not finite</source>
        <translation>平面图无法绘制点 %1：坐标不是有限数</translation>
    </message>
    <message>
        <source>a point</source>
        <translation>点</translation>
    </message>
    <message>
        <source>a foot</source>
        <translation>垂足</translation>
    </message>
    <message>
        <source>the profile drawing cannot draw %1: a value is not finite</source>
        <translation>纵断面图无法绘制%1：数值不是有限数</translation>
    </message>
    <message>
        <source>a grade point</source>
        <translation>变坡点</translation>
    </message>
    <message>
        <source>a curve&apos;s start</source>
        <translation>竖曲线起点</translation>
    </message>
    <message>
        <source>a curve&apos;s end</source>
        <translation>竖曲线终点</translation>
    </message>
    <message>
        <source>the profile drawing was given points and solutions that do not match</source>
        <translation>纵断面图得到的点与计算结果不对应</translation>
    </message>
    <message>
        <source>a point&apos;s station</source>
        <translation>点的桩号</translation>
    </message>
    <message>
        <source>a point&apos;s offset</source>
        <translation>点的偏距</translation>
    </message>
    <message>
        <source>a point&apos;s elevation</source>
        <translation>点的高程</translation>
    </message>
    <message>
        <source>a point&apos;s design elevation</source>
        <translation>点的设计高程</translation>
    </message>
    <message>
        <source>no profile has been loaded</source>
        <translation>尚未读取纵断面</translation>
    </message>
    <message>
        <source>no main line has been read</source>
        <translation>尚未读取主线</translation>
    </message>
    <message>
        <source>no design line has been read</source>
        <translation>尚未读取设计线</translation>
    </message>
    <message>
        <source>a picture must keep at least one point</source>
        <translation>图中至少要保留一个点</translation>
    </message>
    <message>
        <source>chain break %1 (%2 = %3) lies before the start of the line (%4 in its chain): it moves every station</source>
        <translation>第 %1 个断链（%2 = %3）在线路起点之前（起点在其链中为 %4）：它使线路所有桩号都改变</translation>
    </message>
    <message>
        <source>chain break %1 (%2 = %3) lies beyond the end of the line (%4 in its chain): it moves no station</source>
        <translation>第 %1 个断链（%2 = %3）在线路终点之后（终点在其链中为 %4）：它不改变任何桩号</translation>
    </message>
    <message>
        <source>%1: the curve starts %2 before the start of the line (%3 of tangent on a side of %4)</source>
        <translation>%1：曲线起点在线路起点之前 %2（切线长 %3，所在边长 %4）</translation>
    </message>
    <message>
        <source>%1: the curve ends %2 beyond the end of the line (%3 of tangent on a side of %4)</source>
        <translation>%1：曲线终点在线路终点之后 %2（切线长 %3，所在边长 %4）</translation>
    </message>
    <message>
        <source>%1: the curve overlaps the next one, of %2, by %3 (%4 of tangent on a side of %5)</source>
        <translation>%1：曲线与下一曲线（%2）重叠 %3（切线长合计 %4，所在边长 %5）</translation>
    </message>
    <message>
        <source>%1 (attribute %2) is missing: the instance has %3 attributes</source>
        <translation>缺少 %1（第%2个属性）：该实例只有 %3 个属性</translation>
    </message>
    <message>
        <source>%1 (attribute %2) is not set</source>
        <translation>%1（第%2个属性）未赋值</translation>
    </message>
    <message>
        <source>%1 (attribute %2) is not a number</source>
        <translation>%1（第%2个属性）不是数字</translation>
    </message>
    <message>
        <source>%1 is %2, beyond ±%3, the largest magnitude accepted</source>
        <translation>%1 为 %2，超出±%3（可接受的最大绝对值）</translation>
    </message>
    <message>
        <source>%1 (attribute %2) is not a reference to an instance</source>
        <translation>%1（第%2个属性）不是对实例的引用</translation>
    </message>
    <message>
        <source>%1 is not a list</source>
        <translation>%1 不是列表</translation>
    </message>
    <message>
        <source>%1 holds an item that is not a reference</source>
        <translation>%1 中有一项不是引用</translation>
    </message>
    <message>
        <source>%1 holds an item that is not a number</source>
        <translation>%1 中有一项不是数字</translation>
    </message>
    <message>
        <source>%1 holds %2, beyond ±%3, the largest magnitude accepted</source>
        <translation>%1 中有 %2，超出±%3（可接受的最大绝对值）</translation>
    </message>
    <message>
        <source>%1 (attribute %2) is not a string</source>
        <translation>%1（第%2个属性）不是字符串</translation>
    </message>
    <message>
        <source>%1 (attribute %2) is not an enumeration value</source>
        <translation>%1（第%2个属性）不是枚举值</translation>
    </message>
    <message>
        <source>its Pset_Stationing %1 is not a number</source>
        <translation>其 Pset_Stationing %1 不是数字</translation>
    </message>
    <message>
        <source>its Pset_Stationing %1 is beyond ±%2, the largest magnitude accepted</source>
        <translation>其 Pset_Stationing %1 超出±%2（可接受的最大绝对值）</translation>
    </message>
    <message>
        <source>more than %1 station equations</source>
        <translation>断链超过 %1 处</translation>
    </message>
    <message>
        <source>%1 is beyond ±%2, the largest magnitude accepted</source>
        <translation>%1 超出±%2（可接受的最大绝对值）</translation>
    </message>
    <message>
        <source>%1 is not a number: &quot;%2&quot;</source>
        <translation>%1 不是数字：“%2”</translation>
    </message>
    <message>
        <source>%1 refers to the point &quot;%2&quot;, which no CgPoint carries</source>
        <translation>%1 引用点“%2”，但没有 CgPoint 带有此名</translation>
    </message>
    <message>
        <source>%1 is not &quot;northing easting&quot;: &quot;%2&quot;</source>
        <translation>%1 不是“北坐标 东坐标”：“%2”</translation>
    </message>
    <message>
        <source>it has no %1 point</source>
        <translation>缺少 %1 点</translation>
    </message>
    <message>
        <source>the rot attribute (cw or ccw) is missing</source>
        <translation>缺少 rot 属性（cw 或 ccw）</translation>
    </message>
    <message>
        <source>rot is &quot;%1&quot;, not cw or ccw</source>
        <translation>rot 为“%1”，不是 cw 或 ccw</translation>
    </message>
    <message>
        <source>an arc needs a finite radius</source>
        <translation>圆曲线需要有限的半径</translation>
    </message>
    <message>
        <source>%1 is %2; a radius must be positive (the turn is given by rot)</source>
        <translation>%1 为 %2；半径必须为正（转向由 rot 给出）</translation>
    </message>
    <message>
        <source>only Line, Curve and Spiral elements can be imported</source>
        <translation>只能导入 Line、Curve 和 Spiral 线元</translation>
    </message>
    <message>
        <source>length %1 is not a non-negative number</source>
        <translation>长度 %1 不是非负数</translation>
    </message>
    <message>
        <source>the radius attribute is missing and no Center gives it</source>
        <translation>缺少 radius 属性，也没有 Center 可给出半径</translation>
    </message>
    <message>
        <source>spiType is &quot;%1&quot;; only clothoid spirals can be imported</source>
        <translation>spiType 为“%1”；只能导入回旋线（clothoid）缓和曲线</translation>
    </message>
    <message>
        <source>the %1 attribute is missing</source>
        <translation>缺少 %1 属性</translation>
    </message>
    <message>
        <source>both radii are INF; a spiral needs a finite radius at one end</source>
        <translation>两端半径均为 INF；缓和曲线至少一端需要有限半径</translation>
    </message>
    <message>
        <source>the length attribute is missing and neither constant nor theta gives it</source>
        <translation>缺少 length 属性，constant 和 theta 也都不能给出长度</translation>
    </message>
    <message>
        <source>its Start and End lie %1 and %2 from its Center; an arc keeps one radius</source>
        <translation>其 Start 和 End 到 Center 的距离分别为 %1 和 %2；圆曲线的半径应处处相同</translation>
    </message>
    <message>
        <source>its Center lies on its Start</source>
        <translation>其 Center 与 Start 重合</translation>
    </message>
    <message>
        <source>its radius %1 differs from the %2 between its Center and its Start</source>
        <translation>其半径 %1 与 Center 到 Start 的距离 %2 不符</translation>
    </message>
    <message>
        <source>its length %1 differs from the %2 of its arc from Start to End about its Center</source>
        <translation>其长度 %1 与绕 Center 从 Start 到 End 的弧长 %2 不符</translation>
    </message>
    <message>
        <source>its End lies %1 from where its radii and length, laid out from its Start, put it</source>
        <translation>其 End 与按半径和长度从 Start 推算的终点相距 %1</translation>
    </message>
    <message>
        <source>no element is long enough to give the line&apos;s direction</source>
        <translation>没有足够长的线元可给出线形的方向</translation>
    </message>
    <message>
        <source>alignment &quot;%1&quot;, element %2 (%3): %4</source>
        <translation>线形“%1”，第%2个线元（%3）：%4</translation>
    </message>
    <message>
        <source>it has no CoordGeom</source>
        <translation>缺少 CoordGeom</translation>
    </message>
    <message>
        <source>more than %1 elements</source>
        <translation>线元超过 %1 个</translation>
    </message>
    <message>
        <source>its CoordGeom holds no Line, Curve or Spiral</source>
        <translation>其 CoordGeom 中没有 Line、Curve 或 Spiral</translation>
    </message>
    <message>
        <source>ProfAlign %1: %2 is not a non-negative number: &quot;%3&quot;</source>
        <translation>ProfAlign %1：%2 不是非负数：“%3”</translation>
    </message>
    <message>
        <source>ProfAlign %1: %2</source>
        <translation>ProfAlign %1：%2</translation>
    </message>
    <message>
        <source>ProfAlign %1: the %2 attribute is missing</source>
        <translation>ProfAlign %1：缺少 %2 属性</translation>
    </message>
    <message>
        <source>ProfAlign CircCurve: it has neither a length nor a radius attribute</source>
        <translation>ProfAlign CircCurve：既没有 length 属性也没有 radius 属性</translation>
    </message>
    <message>
        <source>ProfAlign holds a %1; only PVI, ParaCurve, UnsymParaCurve and CircCurve can be imported</source>
        <translation>ProfAlign 中有 %1；只能导入 PVI、ParaCurve、UnsymParaCurve 和 CircCurve</translation>
    </message>
    <message>
        <source>ProfAlign %1 is not &quot;station elevation&quot;: &quot;%2&quot;</source>
        <translation>ProfAlign %1 不是“桩号 高程”：“%2”</translation>
    </message>
    <message>
        <source>the station or elevation</source>
        <translation>桩号或高程</translation>
    </message>
    <message>
        <source>its ProfAlign holds %1 grade points; a profile needs at least two</source>
        <translation>其 ProfAlign 只有 %1 个变坡点；纵断面至少需要两个</translation>
    </message>
    <message>
        <source>ProfAlign: %1</source>
        <translation>ProfAlign：%1</translation>
    </message>
    <message>
        <source>StaEquation: %1 is not a number</source>
        <translation>StaEquation：%1 不是数字</translation>
    </message>
    <message>
        <source>StaEquation: %1</source>
        <translation>StaEquation：%1</translation>
    </message>
    <message>
        <source>StaEquation: staAhead is missing</source>
        <translation>StaEquation：缺少 staAhead</translation>
    </message>
    <message>
        <source>StaEquation: staBack and staInternal are both missing; one of them is needed</source>
        <translation>StaEquation：staBack 和 staInternal 均缺失；至少需要其中之一</translation>
    </message>
    <message>
        <source>StaEquation: staBack is missing, and without staInternal on every equation the back station cannot be worked out</source>
        <translation>StaEquation：缺少 staBack，且并非每处断链都有 staInternal，无法推算断链前桩号</translation>
    </message>
    <message>
        <source>alignment &quot;%1&quot;: elements %2 and %3 meet at station %4; imported as a corner</source>
        <translation>线形“%1”：第%2和第%3个线元在桩号 %4 处相接；按折角导入</translation>
    </message>
    <message>
        <source>with a gap of %1 and at an angle of %2</source>
        <translation>间隙 %1，夹角 %2</translation>
    </message>
    <message>
        <source>with a gap of %1</source>
        <translation>间隙 %1</translation>
    </message>
    <message>
        <source>at an angle of %1</source>
        <translation>夹角 %1</translation>
    </message>
    <message>
        <source>alignment &quot;%1&quot;: elements %2 and %3 meet at station %4 %5; imported as a corner</source>
        <translation>线形“%1”：第%2和第%3个线元在桩号 %4 处相接，%5；按折角导入</translation>
    </message>
    <message>
        <source>alignment &quot;%1&quot;: its length attribute %2 differs from the elements&apos; sum %3</source>
        <translation>线形“%1”：其 length 属性 %2 与各线元长度之和 %3 不符</translation>
    </message>
    <message>
        <source>an unnamed unit</source>
        <translation>未命名的单位</translation>
    </message>
    <message>
        <source>staStart is not a number: &quot;%1&quot;</source>
        <translation>staStart 不是数字：“%1”</translation>
    </message>
    <message>
        <source>expected &apos;%1&apos; %2, found %3</source>
        <translation>%2应为“%1”，实际为 %3</translation>
    </message>
    <message>
        <source>lists nest deeper than %1 levels</source>
        <translation>列表嵌套超过 %1 层</translation>
    </message>
    <message>
        <source>to open a parameter list</source>
        <translation>（参数列表开头）</translation>
    </message>
    <message>
        <source>an instance is longer than %1 bytes</source>
        <translation>实例长度超过 %1 字节</translation>
    </message>
    <message>
        <source>expected &apos;,&apos; or &apos;)&apos; in a parameter list, found %1</source>
        <translation>参数列表中应为“,”或“)”，实际为 %1</translation>
    </message>
    <message>
        <source>before an instance id</source>
        <translation>（实例编号之前）</translation>
    </message>
    <message>
        <source>an instance id beyond %1</source>
        <translation>实例编号超过 %1</translation>
    </message>
    <message>
        <source>&apos;#&apos; without an instance id</source>
        <translation>“#”后没有实例编号</translation>
    </message>
    <message>
        <source>typed values nest deeper than %1</source>
        <translation>类型化值嵌套超过 %1 层</translation>
    </message>
    <message>
        <source>a type name longer than %1 bytes</source>
        <translation>类型名超过 %1 字节</translation>
    </message>
    <message>
        <source>after the type %1</source>
        <translation>（类型 %1 之后）</translation>
    </message>
    <message>
        <source>to close the typed value %1</source>
        <translation>（类型化值 %1 的结尾）</translation>
    </message>
    <message>
        <source>expected a parameter, found %1</source>
        <translation>应为参数，实际为 %1</translation>
    </message>
    <message>
        <source>an enumeration value is not closed by &apos;.&apos;</source>
        <translation>枚举值没有以“.”结束</translation>
    </message>
    <message>
        <source>an enumeration value longer than %1 bytes</source>
        <translation>枚举值超过 %1 字节</translation>
    </message>
    <message>
        <source>a string is longer than the instance bound of %1 bytes</source>
        <translation>字符串超过实例长度上限 %1 字节</translation>
    </message>
    <message>
        <source>a string is never closed by &apos;</source>
        <translation>字符串没有以“&apos;”结束</translation>
    </message>
    <message>
        <source>a binary value is not closed by &apos;&quot;&apos;</source>
        <translation>二进制值没有以“&quot;”结束</translation>
    </message>
    <message>
        <source>a sign without a number</source>
        <translation>正负号后没有数字</translation>
    </message>
    <message>
        <source>a number&apos;s exponent has no digits</source>
        <translation>数字的指数部分没有数字</translation>
    </message>
    <message>
        <source>the number %1 is out of range</source>
        <translation>数字 %1 超出范围</translation>
    </message>
    <message>
        <source>the integer %1 is out of range</source>
        <translation>整数 %1 超出范围</translation>
    </message>
    <message>
        <source>after %1</source>
        <translation>（%1 之后）</translation>
    </message>
    <message>
        <source>expected a header entity or ENDSEC; found %1</source>
        <translation>应为文件头实体或 ENDSEC；实际为 %1</translation>
    </message>
    <message>
        <source>after a header entity</source>
        <translation>（文件头实体之后）</translation>
    </message>
    <message>
        <source>the HEADER has no FILE_SCHEMA</source>
        <translation>HEADER 中没有 FILE_SCHEMA</translation>
    </message>
    <message>
        <source>the file ends inside its DATA section: ENDSEC; is missing (is it cut short?)</source>
        <translation>文件在 DATA 段内结束：缺少 ENDSEC;（文件是否被截断？）</translation>
    </message>
    <message>
        <source>after the instance id</source>
        <translation>（实例编号之后）</translation>
    </message>
    <message>
        <source>expected an entity name in a complex instance</source>
        <translation>复合实例中应为实体名</translation>
    </message>
    <message>
        <source>to close a complex instance</source>
        <translation>（复合实例的结尾）</translation>
    </message>
    <message>
        <source>expected an entity name, found %1</source>
        <translation>应为实体名，实际为 %1</translation>
    </message>
    <message>
        <source>an entity name longer than %1 bytes</source>
        <translation>实体名超过 %1 字节</translation>
    </message>
    <message>
        <source>expected &apos;(&apos; after %1, found %2</source>
        <translation>%1 之后应为“(”，实际为 %2</translation>
    </message>
    <message>
        <source>after an instance</source>
        <translation>（实例之后）</translation>
    </message>
    <message>
        <source>a string holds %1</source>
        <translation>字符串中有%1</translation>
    </message>
    <message>
        <source>a character code that is not Unicode</source>
        <translation>不属于 Unicode 的字符编码</translation>
    </message>
    <message>
        <source>\P%1\, a page not known</source>
        <translation>\P%1\，未知的代码页</translation>
    </message>
    <message>
        <source>\S\ of a character that page %1 does not define</source>
        <translation>代码页 %1 未定义的 \S\ 字符</translation>
    </message>
    <message>
        <source>%1 with a high surrogate and no low one</source>
        <translation>%1 中有高代理项而无低代理项</translation>
    </message>
    <message>
        <source>%1 without its closing \X0\ after whole hex groups</source>
        <translation>%1 在完整的十六进制组之后没有结尾的 \X0\</translation>
    </message>
    <message>
        <source>two high surrogates in a row</source>
        <translation>连续两个高代理项</translation>
    </message>
    <message>
        <source>a low surrogate without a high one</source>
        <translation>没有高代理项的低代理项</translation>
    </message>
    <message>
        <source>a high surrogate without a low one</source>
        <translation>没有低代理项的高代理项</translation>
    </message>
    <message>
        <source>\X\ without two hex digits</source>
        <translation>\X\ 后没有两位十六进制数字</translation>
    </message>
    <message>
        <source>an unknown escape &quot;%1&quot;</source>
        <translation>未知的转义“%1”</translation>
    </message>
    <message>
        <source>the alignment %1 nests a second %2 (the first is %3)</source>
        <translation>线形 %1 中嵌套了第二个 %2（第一个为 %3）</translation>
    </message>
    <message>
        <source>no alignment is called %1; the file holds %2 and %3 more</source>
        <translation>没有名为 %1 的线形；文件中有 %2 等，另有 %3 个</translation>
    </message>
    <message>
        <source>it has no IfcAlignmentHorizontal</source>
        <translation>缺少 IfcAlignmentHorizontal</translation>
    </message>
    <message>
        <source>no design elevation: %1</source>
        <translation>无设计高程：%1</translation>
    </message>
    <message>
        <source>its StartPoint has fewer than two coordinates</source>
        <translation>其 StartPoint 的坐标少于两个</translation>
    </message>
    <message>
        <source>a CIRCULARARC segment with a StartRadiusOfCurvature of 0</source>
        <translation>CIRCULARARC 线元的 StartRadiusOfCurvature 为 0</translation>
    </message>
    <message>
        <source>a CLOTHOID segment with both radii 0 (infinite): a clothoid needs a finite radius at one end</source>
        <translation>CLOTHOID 线元两端半径均为 0（无穷大）：缓和曲线至少一端需要有限半径</translation>
    </message>
    <message>
        <source>a segment of the horizontal layout %1 must carry IfcAlignmentHorizontalSegment design parameters</source>
        <translation>平面线形 %1 的线元必须带有 IfcAlignmentHorizontalSegment 设计参数</translation>
    </message>
    <message>
        <source>its SegmentLength %1 is negative</source>
        <translation>其 SegmentLength %1 为负数</translation>
    </message>
    <message>
        <source>the horizontal layout holds no segment of non-zero length</source>
        <translation>平面线形中没有长度不为零的线元</translation>
    </message>
    <message>
        <source>its Location has fewer than two coordinates</source>
        <translation>其 Location 的坐标少于两个</translation>
    </message>
    <message>
        <source>its Axis is not the vertical (0, 0, 1): an alignment placed on a tilted or upturned frame cannot be imported</source>
        <translation>其 Axis 不是竖直方向 (0, 0, 1)：放在倾斜或倒置坐标系中的线形无法导入</translation>
    </message>
    <message>
        <source>its RefDirection has no plan direction</source>
        <translation>其 RefDirection 没有平面方向</translation>
    </message>
    <message>
        <source>placements are relative to each other more than %1 deep</source>
        <translation>定位相互嵌套超过 %1 层</translation>
    </message>
    <message>
        <source>a linear placement without its CartesianPosition cannot be imported</source>
        <translation>没有 CartesianPosition 的线性定位无法导入</translation>
    </message>
    <message>
        <source>an ObjectPlacement of this kind cannot be imported</source>
        <translation>无法导入此类 ObjectPlacement</translation>
    </message>
    <message>
        <source>a relative placement must be an IfcAxis2Placement3D or 2D</source>
        <translation>相对定位必须是 IfcAxis2Placement3D 或 2D</translation>
    </message>
    <message>
        <source>stations decreasing along the line (HasIncreasingStation false) cannot be imported</source>
        <translation>无法导入沿线递减的桩号（HasIncreasingStation 为 false）</translation>
    </message>
    <message>
        <source>units refer to each other more than %1 deep</source>
        <translation>单位相互引用超过 %1 层</translation>
    </message>
    <message>
        <source>a conversion factor must be an IfcMeasureWithUnit</source>
        <translation>换算系数必须是 IfcMeasureWithUnit</translation>
    </message>
    <message>
        <source>its HorizontalLength is negative</source>
        <translation>其 HorizontalLength 为负数</translation>
    </message>
    <message>
        <source>a segment of the vertical layout %1 must carry IfcAlignmentVerticalSegment design parameters</source>
        <translation>纵断面线形 %1 的线元必须带有 IfcAlignmentVerticalSegment 设计参数</translation>
    </message>
    <message>
        <source>the vertical layout holds no segment of non-zero length</source>
        <translation>纵断面线形中没有长度不为零的线元</translation>
    </message>
    <message>
        <source>a segment of no kind cannot be imported; only LINE, CIRCULARARC and CLOTHOID</source>
        <translation>无法导入未注明类型的线元；只能导入 LINE、CIRCULARARC 和 CLOTHOID</translation>
    </message>
    <message>
        <source>a %1 segment cannot be imported; only LINE, CIRCULARARC and CLOTHOID</source>
        <translation>无法导入 %1 线元；只能导入 LINE、CIRCULARARC 和 CLOTHOID</translation>
    </message>
    <message>
        <source>a length unit of %1; only metres (with or without an SI prefix), international feet and US survey feet can be imported</source>
        <translation>长度单位为 %1；只能导入以米（可带 SI 词头）、国际英尺或美国测量英尺为单位的文件</translation>
    </message>
    <message>
        <source>unknown size</source>
        <translation>大小未知</translation>
    </message>
    <message>
        <source>a plane angle unit of %1; only radians, degrees and gradians can be imported</source>
        <translation>平面角单位为 %1；只能导入弧度、度或百分度</translation>
    </message>
    <message>
        <source>a vertical segment of no kind cannot be imported; only CONSTANTGRADIENT, PARABOLICARC and CIRCULARARC</source>
        <translation>无法导入未注明类型的纵断面线元；只能导入 CONSTANTGRADIENT、PARABOLICARC 和 CIRCULARARC</translation>
    </message>
    <message>
        <source>a %1 vertical segment cannot be imported; only CONSTANTGRADIENT, PARABOLICARC and CIRCULARARC</source>
        <translation>无法导入 %1 纵断面线元；只能导入 CONSTANTGRADIENT、PARABOLICARC 和 CIRCULARARC</translation>
    </message>
    <message>
        <source>alignment %1: %2 and %3 meet at station %4 %5; imported as a corner</source>
        <translation>线形 %1：%2 和 %3 在桩号 %4 处相接，%5；按折角导入</translation>
    </message>
    <message>
        <source>segment %1 (#%2)</source>
        <translation>线元 %1（#%2）</translation>
    </message>
    <message>
        <source>%1 has length 0 and is skipped</source>
        <translation>%1 长度为 0，已跳过</translation>
    </message>
    <message>
        <source>the geometric representation %1 has %2 segments of non-zero length and the design parameters %3; they are not compared</source>
        <translation>几何表示 %1 有 %2 段长度不为 0 的线段，而设计参数有 %3 段；两者不作比较</translation>
    </message>
    <message>
        <source>%1: its geometric representation %2 starts %3 away, its direction turned %4</source>
        <translation>%1：其几何表示 %2 的起点相距 %3，方向相差 %4</translation>
    </message>
    <message>
        <source>the referent %1 has a station but no distance along the line; it is not used</source>
        <translation>参照点 %1 有桩号但没有沿线距离，未使用</translation>
    </message>
    <message>
        <source>lengths in %1METRE converted to metres</source>
        <translation>长度单位 %1METRE 已换算为米</translation>
    </message>
    <message>
        <source>the file declares no plane angle unit: radians are assumed</source>
        <translation>文件没有声明平面角单位：按弧度计</translation>
    </message>
    <message>
        <source>the file declares no length unit: metres are assumed</source>
        <translation>文件没有声明长度单位：按米计</translation>
    </message>
    <message>
        <source>the file declares no units: metres and radians are assumed</source>
        <translation>文件没有声明单位：按米和弧度计</translation>
    </message>
    <message>
        <source>vertical segment %1 (#%2)</source>
        <translation>竖向线段 %1（#%2）</translation>
    </message>
    <message>
        <source>between %1 and %2: a gap of %3 in station, %4 in height and a change of gradient of %5</source>
        <translation>%1 与 %2 之间：桩号相差 %3，高程相差 %4，坡度变化 %5</translation>
    </message>
    <message>
        <source>no point read: the file is empty or its first line is blank; no results file written</source>
        <translation>没有读到任何点：文件为空或第一行为空，结果文件未写入</translation>
    </message>
    <message>
        <source>the file is no project file: it is empty</source>
        <translation>不是项目文件：文件为空</translation>
    </message>
    <message>
        <source>the project lists no line: add a [line] section</source>
        <translation>项目中没有线路：请添加 [line] 节</translation>
    </message>
    <message>
        <source>the file is no project file: it must begin with &quot;%1 %2&quot;, not %3</source>
        <translation>不是项目文件：应以“%1 %2”开头，而不是 %3</translation>
    </message>
    <message>
        <source>project file version %1 cannot be read: this program reads version %2</source>
        <translation>无法读取第 %1 版的项目文件：本程序读取第 %2 版</translation>
    </message>
    <message>
        <source>unknown section %1: a project has [line] sections</source>
        <translation>未知的节 %1：项目只有 [line] 节</translation>
    </message>
    <message>
        <source>a project holds at most %1 lines</source>
        <translation>一个项目最多有 %1 条线路</translation>
    </message>
    <message>
        <source>expected &quot;key = value&quot;, [line] or a comment, not %1</source>
        <translation>应为“键 = 值”、[line] 或注释，而不是 %1</translation>
    </message>
    <message>
        <source>unknown key %1 in a [line] section</source>
        <translation>[line] 节中有未知的键 %1</translation>
    </message>
    <message>
        <source>unknown key %1 before the first [line]: only the project&apos;s name stands there</source>
        <translation>第一个 [line] 之前有未知的键 %1：那里只能写项目名称</translation>
    </message>
    <message>
        <source>%1 is given twice (first on line %2)</source>
        <translation>%1 给出了两次（第一次在第 %2 行）</translation>
    </message>
    <message>
        <source>%1 has no value</source>
        <translation>%1 没有值</translation>
    </message>
    <message>
        <source>%1 and %2 both name the line&apos;s file: give one of jd, elements, landxml and ifc</source>
        <translation>%1 和 %2 都给出了线路文件：jd、elements、landxml、ifc 只能给一个</translation>
    </message>
    <message>
        <source>%1 is no station: %2 (write 1250.5, B1250.5 or K1+250.5)</source>
        <translation>%1 不是桩号：%2（应写作 1250.5、B1250.5 或 K1+250.5）</translation>
    </message>
    <message>
        <source>&quot;max-offset&quot; is no positive length: %1</source>
        <translation>“max-offset”不是正的长度：%1</translation>
    </message>
    <message>
        <source>this [line] has no name</source>
        <translation>此 [line] 没有名称</translation>
    </message>
    <message>
        <source>line %1 names no file: give one of jd, elements, landxml and ifc</source>
        <translation>线路 %1 没有给出文件：请给出 jd、elements、landxml、ifc 之一</translation>
    </message>
    <message>
        <source>&quot;dl&quot; goes with jd or elements: a LandXML or IFC file gives its own chain breaks</source>
        <translation>“dl”只能与 jd 或 elements 一起使用：LandXML 和 IFC 文件自带断链</translation>
    </message>
    <message>
        <source>&quot;alignment&quot; goes with landxml or ifc</source>
        <translation>“alignment”只能与 landxml 或 ifc 一起使用</translation>
    </message>
    <message>
        <source>a line called %1 is given on line %2 already</source>
        <translation>名为 %1 的线路已在第 %2 行给出</translation>
    </message>
    <message>
        <source>code %1 belongs to line %2 already</source>
        <translation>编码 %1 已属于线路 %2</translation>
    </message>
    <message>
        <source>prefix %1 belongs to line %2 already</source>
        <translation>前缀 %1 已属于线路 %2</translation>
    </message>
    <message>
        <source>%1 cannot be written to a project file: %2</source>
        <translation>%1 无法写入项目文件：%2</translation>
    </message>
    <message>
        <source>line %1: %2%3</source>
        <translation>线路 %1：%2%3</translation>
    </message>
    <message>
        <source>unknown kind of line</source>
        <translation>未知的线路类型</translation>
    </message>
    <message>
        <source>line %1: &quot;crossfall&quot; needs a profile (give &quot;profile&quot;, or a LandXML alignment with one)</source>
        <translation>线路 %1：“crossfall”需要纵断面（请给出“profile”，或使用带纵断面的 LandXML 线路）</translation>
    </message>
    <message>
        <source>no station: %1</source>
        <translation>不是桩号：%1</translation>
    </message>
    <message>
        <source>line %1: the station window from %2 to %3 holds none of the line, which runs from %4 to %5</source>
        <translation>线路 %1：桩号范围 %2 至 %3 不含线路的任何部分，线路从 %4 到 %5</translation>
    </message>
    <message>
        <source>line %1 is in %2 and line %3 in %4: the lines of a project share one unit</source>
        <translation>线路 %1 的单位是 %2，线路 %3 的单位是 %4：一个项目的线路须用同一单位</translation>
    </message>
    <message>
        <source>two lines of the project would write the same results file %1</source>
        <translation>项目中有两条线路会写入同一个结果文件 %1</translation>
    </message>
    <message>
        <source>a line of the project</source>
        <translation>项目中的一条线路</translation>
    </message>
    <message>
        <source>no line of a project is in use</source>
        <translation>当前线路不是项目中的线路</translation>
    </message>
    <message>
        <source>the project has no line</source>
        <translation>项目中没有线路</translation>
    </message>
    <message>
        <source>no project is open</source>
        <translation>没有打开项目</translation>
    </message>
    <message>
        <source>the project has no such line</source>
        <translation>项目中没有这条线路</translation>
    </message>
    <message>
        <source>a value of the line to export is not a finite number</source>
        <translation>待导出线形的某个数值不是有限数</translation>
    </message>
    <message>
        <source>this kind of line has no LandXML form</source>
        <translation>此类线形无法以 LandXML 表示</translation>
    </message>
    <message>
        <source>its point</source>
        <translation>其点位</translation>
    </message>
    <message>
        <source>its station</source>
        <translation>其桩号</translation>
    </message>
    <message>
        <source>its design elevation</source>
        <translation>其设计高程</translation>
    </message>
    <message>
        <source>the LandXML written would not give back the line: at station %1 %2 would move by %3; nothing was written</source>
        <translation>写出的 LandXML 读回后与线形不符：桩号 %1 处%2将偏移 %3；未写入任何文件</translation>
    </message>
    <message>
        <source>the LandXML keeps this as the line has it: %1</source>
        <translation>LandXML 按线形原样保留：%1</translation>
    </message>
    <message>
        <source>the cross-fall is not exported: LandXML&apos;s ProfAlign holds the centre line&apos;s profile only</source>
        <translation>横坡未导出：LandXML 的 ProfAlign 只含中线纵断面</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>  Project</source>
        <translation>  项  目</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>Open project</source>
        <translation>打开项目</translation>
    </message>
    <message>
        <source>New project</source>
        <translation>新建项目</translation>
    </message>
    <message>
        <source>Save project</source>
        <translation>保存项目</translation>
    </message>
    <message>
        <source>Close project</source>
        <translation>关闭项目</translation>
    </message>
    <message>
        <source>No project is open</source>
        <translation>未打开项目</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>The line in use is not one of the project&apos;s: choose a line to use the project</source>
        <translation>当前线路不是项目中的线路：选择一条线路即可按项目计算</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Extent</source>
        <translation>范围</translation>
    </message>
    <message>
        <source>Chain breaks</source>
        <translation>断链</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>纵断面</translation>
    </message>
    <message>
        <source>JD table</source>
        <translation>交点法</translation>
    </message>
    <message>
        <source>Element chain</source>
        <translation>积木法</translation>
    </message>
    <message>
        <source>LandXML</source>
        <translation>LandXML</translation>
    </message>
    <message>
        <source>IFC</source>
        <translation>IFC</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>有</translation>
    </message>
    <message>
        <source>no</source>
        <translation>无</translation>
    </message>
    <message>
        <source>%1 (project %2)</source>
        <translation>%1（项目 %2）</translation>
    </message>
    <message>
        <source>Line: %1</source>
        <translation>线路：%1</translation>
    </message>
    <message>
        <source>Finished: the point belongs to %1</source>
        <translation>反算结束：点属于 %1</translation>
    </message>
    <message>
        <source>Finished: the point belongs to %1, but %2 is as near: check it</source>
        <translation>反算结束：点属于 %1，但 %2 同样近，请核对</translation>
    </message>
    <message>
        <source>No line of the project holds the point: nothing computed</source>
        <translation>项目中没有线路包含此点：未计算</translation>
    </message>
    <message>
        <source>Finished: %1 points: %2</source>
        <translation>反算结束：共 %1 个点：%2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>unassigned %1</source>
        <translation>未归属 %1</translation>
    </message>
    <message>
        <source>ambiguous %1</source>
        <translation>有歧义 %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>，</translation>
    </message>
    <message>
        <source>Project %1 opened: %2 lines. %3</source>
        <translation>已打开项目 %1：%2 条线路。%3</translation>
    </message>
    <message>
        <source>Project saved as %1: %2 lines. %3</source>
        <translation>项目已保存为 %1：%2 条线路。%3</translation>
    </message>
    <message>
        <source>Project saved: %1</source>
        <translation>项目已保存：%1</translation>
    </message>
    <message>
        <source>Project closed</source>
        <translation>项目已关闭</translation>
    </message>
    <message>
        <source>The project could not be opened</source>
        <translation>无法打开项目！</translation>
    </message>
    <message>
        <source>The project could not be saved</source>
        <translation>无法保存项目！</translation>
    </message>
    <message>
        <source>The project could not be created: nothing was saved</source>
        <translation>无法新建项目，未保存任何文件！</translation>
    </message>
    <message>
        <source>The line could not be used</source>
        <translation>无法使用这条线路！</translation>
    </message>
    <message>
        <source>A project needs at least one line</source>
        <translation>项目至少需要一条线路</translation>
    </message>
    <message>
        <source>No line has been initialised in the main window</source>
        <translation>主窗口中还没有初始化线路</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>项目名称</translation>
    </message>
    <message>
        <source>Add line…</source>
        <translation>添加线路…</translation>
    </message>
    <message>
        <source>Add the line in use</source>
        <translation>添加当前线路</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>保存…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Add a line</source>
        <translation>添加线路</translation>
    </message>
    <message>
        <source>Line file</source>
        <translation>平面文件</translation>
    </message>
    <message>
        <source>Chain-break file</source>
        <translation>断链文件</translation>
    </message>
    <message>
        <source>Profile file</source>
        <translation>纵断面文件</translation>
    </message>
    <message>
        <source>Cross-fall file</source>
        <translation>横坡文件</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>浏览…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Give the line a name</source>
        <translation>请输入线路名称</translation>
    </message>
    <message>
        <source>Choose the line&apos;s file</source>
        <translation>请选择线路的平面文件</translation>
    </message>
    <message>
        <source>The project has a line of that name</source>
        <translation>项目中已有同名线路</translation>
    </message>
    <message>
        <source>unassigned</source>
        <translation>未归属</translation>
    </message>
    <message>
        <source>ambiguous</source>
        <translation>有歧义</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>线路 %1</translation>
    </message>
    <message>
        <source>No line holds this point</source>
        <translation>没有线路包含此点</translation>
    </message>
    <message>
        <source>Line %1, as near as %2</source>
        <translation>线路 %1，与 %2 同样近</translation>
    </message>
    <message>
        <source>Finished: the point belongs to %1, but another part of it is as near: check it</source>
        <translation>反算结束：点属于 %1，但该线路另一处同样近，请核对</translation>
    </message>
    <message>
        <source>Line %1, as near to another part of it</source>
        <translation>线路 %1，该线路另一处同样近</translation>
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
        <translation>道路测量反算</translation>
    </message>
    <message>
        <source>Vomel 下载</source>
        <translation>Vomel 下载</translation>
    </message>
    <message>
        <source>单 位：</source>
        <translation>单 位：</translation>
    </message>
    <message>
        <source>作 者：</source>
        <translation>作 者：</translation>
    </message>
    <message>
        <source>软件下载：</source>
        <translation>软件下载：</translation>
    </message>
    <message>
        <source>E-mail：</source>
        <translation>E-mail：</translation>
    </message>
    <message>
        <source>  确  定</source>
        <translation>  确  定</translation>
    </message>
    <message>
        <source>休息一下，马上回来！</source>
        <translation>休息一下，马上回来！</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>退出程序</translation>
    </message>
    <message>
        <source>双击关闭本窗口</source>
        <translation>双击关闭本窗口</translation>
    </message>
    <message>
        <source>点号 %1
桩号 %2
左距 %3</source>
        <translation>点号 %1
桩号 %2
左距 %3</translation>
    </message>
    <message>
        <source>读取平面资料</source>
        <translation>读取平面资料</translation>
    </message>
    <message>
        <source>平面文件(*.txt;*.jdx)|*.txt;*.jdx|所有文件（*.*)|*.*</source>
        <translation>平面文件(*.txt;*.jdx)|*.txt;*.jdx|所有文件（*.*)|*.*</translation>
    </message>
    <message>
        <source>读取坐标资料</source>
        <translation>读取坐标资料</translation>
    </message>
    <message>
        <source>坐标文件(*.txt;*.xy)|*.txt;*.xy|所有文件（*.*)|*.*</source>
        <translation>坐标文件(*.txt;*.xy)|*.txt;*.xy|所有文件（*.*)|*.*</translation>
    </message>
    <message>
        <source>读取断链资料</source>
        <translation>读取断链资料</translation>
    </message>
    <message>
        <source>断链文件(*.txt;*.dl)|*.txt;*.dl|所有文件（*.*)|*.*</source>
        <translation>断链文件(*.txt;*.dl)|*.txt;*.dl|所有文件（*.*)|*.*</translation>
    </message>
    <message>
        <source>保存桩号距离文件</source>
        <translation>保存桩号距离文件</translation>
    </message>
    <message>
        <source>桩号距离文件(*.txt)|*.txt|所有文件（*.*)|*.*</source>
        <translation>桩号距离文件(*.txt)|*.txt|所有文件（*.*)|*.*</translation>
    </message>
    <message>
        <source>读取放样桩号</source>
        <translation>读取放样桩号</translation>
    </message>
    <message>
        <source>桩号文件(*.txt;*.st)|*.txt;*.st|所有文件（*.*)|*.*</source>
        <translation>桩号文件(*.txt;*.st)|*.txt;*.st|所有文件（*.*)|*.*</translation>
    </message>
    <message>
        <source>保存放样坐标文件</source>
        <translation>保存放样坐标文件</translation>
    </message>
    <message>
        <source>保存曲线表</source>
        <translation>保存曲线表</translation>
    </message>
    <message>
        <source>CSV文件(*.csv)|*.csv|所有文件（*.*)|*.*</source>
        <translation>CSV文件(*.csv)|*.csv|所有文件（*.*)|*.*</translation>
    </message>
    <message>
        <source>保存平面图</source>
        <translation>保存平面图</translation>
    </message>
    <message>
        <source>PNG图片(*.png)|*.png</source>
        <translation>PNG图片(*.png)|*.png</translation>
    </message>
    <message>
        <source>X坐标</source>
        <translation>X坐标</translation>
    </message>
    <message>
        <source>Y坐标</source>
        <translation>Y坐标</translation>
    </message>
    <message>
        <source>%1为空，请输入数字</source>
        <translation>%1为空，请输入数字</translation>
    </message>
    <message>
        <source>%1不是数字：%2</source>
        <translation>%1不是数字：%2</translation>
    </message>
    <message>
        <source>%1超出范围（绝对值不大于1000000000）：%2</source>
        <translation>%1超出范围（绝对值不大于1000000000）：%2</translation>
    </message>
    <message>
        <source>反算结束：点在线路起点之前，没有垂足</source>
        <translation>反算结束：点在线路起点之前，没有垂足</translation>
    </message>
    <message>
        <source>反算结束：点在线路终点之后，没有垂足</source>
        <translation>反算结束：点在线路终点之后，没有垂足</translation>
    </message>
    <message>
        <source>反算结束：点在线路转角外侧，垂足取转角点</source>
        <translation>反算结束：点在线路转角外侧，垂足取转角点</translation>
    </message>
    <message>
        <source>%1&#x3000;导入提示：%2</source>
        <translation>%1&#x3000;导入提示：%2</translation>
    </message>
    <message>
        <source>；</source>
        <translation>；</translation>
    </message>
    <message>
        <source>反算结束：共 %1 个点，%2 个在起点之前，%3 个在终点之后</source>
        <translation>反算结束：共 %1 个点，%2 个在起点之前，%3 个在终点之后</translation>
    </message>
    <message>
        <source>%1：没有选择文件</source>
        <translation>%1：没有选择文件</translation>
    </message>
    <message>
        <source>计算已取消，结果文件未写入</source>
        <translation>计算已取消，结果文件未写入</translation>
    </message>
    <message>
        <source>计算被取消</source>
        <translation>计算被取消</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>当前线路：无</source>
        <translation>当前线路：无</translation>
    </message>
    <message>
        <source>当前线路：</source>
        <translation>当前线路：</translation>
    </message>
    <message>
        <source>  交点：</source>
        <translation>  交点：</translation>
    </message>
    <message>
        <source>  断链：</source>
        <translation>  断链：</translation>
    </message>
    <message>
        <source>  积木：</source>
        <translation>  积木：</translation>
    </message>
    <message>
        <source>无</source>
        <translation>无</translation>
    </message>
    <message>
        <source>这条主线有断链吗？
选“是”读取断链文件，选“否”按无断链计算。</source>
        <translation>这条主线有断链吗？
选“是”读取断链文件，选“否”按无断链计算。</translation>
    </message>
    <message>
        <source>Vomel V2.0</source>
        <translation>Vomel V2.0</translation>
    </message>
    <message>
        <source>方 法</source>
        <translation>方 法</translation>
    </message>
    <message>
        <source>交点法—主线</source>
        <translation>交点法—主线</translation>
    </message>
    <message>
        <source>积木法—互通</source>
        <translation>积木法—互通</translation>
    </message>
    <message>
        <source>选 项</source>
        <translation>选 项</translation>
    </message>
    <message>
        <source>单个坐标</source>
        <translation>单个坐标</translation>
    </message>
    <message>
        <source>读取坐标文件</source>
        <translation>读取坐标文件</translation>
    </message>
    <message>
        <source>桩号</source>
        <translation>桩号</translation>
    </message>
    <message>
        <source>左距</source>
        <translation>左距</translation>
    </message>
    <message>
        <source>回车光标切换到Y输入框
</source>
        <translation>回车光标切换到Y输入框
</translation>
    </message>
    <message>
        <source>回车计算</source>
        <translation>回车计算</translation>
    </message>
    <message>
        <source>A、B、C...为断链标识</source>
        <translation>A、B、C...为断链标识</translation>
    </message>
    <message>
        <source>左正右负</source>
        <translation>左正右负</translation>
    </message>
    <message>
        <source>  初 始 化</source>
        <translation>  初 始 化</translation>
    </message>
    <message>
        <source>  计   算</source>
        <translation>  计   算</translation>
    </message>
    <message>
        <source>  退  出</source>
        <translation>  退  出</translation>
    </message>
    <message>
        <source>  帮  助</source>
        <translation>  帮  助</translation>
    </message>
    <message>
        <source>  更多软件</source>
        <translation>  更多软件</translation>
    </message>
    <message>
        <source>  平 面 图</source>
        <translation>  平 面 图</translation>
    </message>
    <message>
        <source>无法绘制平面图！</source>
        <translation>无法绘制平面图！</translation>
    </message>
    <message>
        <source>平面图</source>
        <translation>平面图</translation>
    </message>
    <message>
        <source>全图显示</source>
        <translation>全图显示</translation>
    </message>
    <message>
        <source>保存图片…</source>
        <translation>保存图片…</translation>
    </message>
    <message>
        <source>保存图片失败！</source>
        <translation>保存图片失败！</translation>
    </message>
    <message>
        <source>  曲 线 表</source>
        <translation>  曲 线 表</translation>
    </message>
    <message>
        <source>  放  样</source>
        <translation>  放  样</translation>
    </message>
    <message>
        <source>曲线表</source>
        <translation>曲线表</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>保存CSV...</source>
        <translation>保存CSV...</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>已复制到剪贴板</source>
        <translation>已复制到剪贴板</translation>
    </message>
    <message>
        <source>已保存：</source>
        <translation>已保存：</translation>
    </message>
    <message>
        <source>放样</source>
        <translation>放样</translation>
    </message>
    <message>
        <source>连续桩号，或带断链标识的桩号，如 B1000.5</source>
        <translation>连续桩号，或带断链标识的桩号，如 B1000.5</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>文件放样...</source>
        <translation>文件放样...</translation>
    </message>
    <message>
        <source>输入桩号和左距，点击计算</source>
        <translation>输入桩号和左距，点击计算</translation>
    </message>
    <message>
        <source>放样结束：</source>
        <translation>放样结束：</translation>
    </message>
    <message>
        <source>桩号有误：</source>
        <translation>桩号有误：</translation>
    </message>
    <message>
        <source>左距不是数字</source>
        <translation>左距不是数字</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>找不到帮助文件：</source>
        <translation>找不到帮助文件：</translation>
    </message>
    <message>
        <source>无法打开帮助文件：</source>
        <translation>无法打开帮助文件：</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>读取文件被取消！</source>
        <translation>读取文件被取消！</translation>
    </message>
    <message>
        <source>数据文件格式有误！</source>
        <translation>数据文件格式有误！</translation>
    </message>
    <message>
        <source>数据文件格式有误或操作不当！</source>
        <translation>数据文件格式有误或操作不当！</translation>
    </message>
    <message>
        <source>请先初始化读取平面、断链资料</source>
        <translation>请先初始化读取平面、断链资料</translation>
    </message>
    <message>
        <source>正在初始化......</source>
        <translation>正在初始化......</translation>
    </message>
    <message>
        <source>输入XY坐标，点击计算按钮</source>
        <translation>输入XY坐标，点击计算按钮</translation>
    </message>
    <message>
        <source>点击计算按钮,依次选取坐标文件和桩号文件</source>
        <translation>点击计算按钮,依次选取坐标文件和桩号文件</translation>
    </message>
    <message>
        <source>反算结束</source>
        <translation>反算结束</translation>
    </message>
    <message>
        <source>正在反算第 %1 个   共 %2 个</source>
        <translation>正在反算第 %1 个   共 %2 个</translation>
    </message>
    <message>
        <source>读取纵断面资料</source>
        <translation>读取纵断面资料</translation>
    </message>
    <message>
        <source>纵断面文件(*.profile;*.txt)|*.profile;*.txt|所有文件（*.*)|*.*</source>
        <translation>纵断面文件(*.profile;*.txt)|*.profile;*.txt|所有文件（*.*)|*.*</translation>
    </message>
    <message>
        <source>读取横坡资料</source>
        <translation>读取横坡资料</translation>
    </message>
    <message>
        <source>横坡文件(*.crossfall;*.txt)|*.crossfall;*.txt|所有文件（*.*)|*.*</source>
        <translation>横坡文件(*.crossfall;*.txt)|*.crossfall;*.txt|所有文件（*.*)|*.*</translation>
    </message>
    <message>
        <source>起点</source>
        <translation>起点</translation>
    </message>
    <message>
        <source>终点</source>
        <translation>终点</translation>
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
    <message>
        <source>  纵 断 面</source>
        <translation>  纵 断 面</translation>
    </message>
    <message>
        <source>纵断面</source>
        <translation>纵断面</translation>
    </message>
    <message>
        <source>载入纵断面...</source>
        <translation>载入纵断面...</translation>
    </message>
    <message>
        <source>载入横坡...</source>
        <translation>载入横坡...</translation>
    </message>
    <message>
        <source>桩号 %1  高程 %2</source>
        <translation>桩号 %1  高程 %2</translation>
    </message>
    <message>
        <source>纵断面：无</source>
        <translation>纵断面：无</translation>
    </message>
    <message>
        <source>纵断面：%1</source>
        <translation>纵断面：%1</translation>
    </message>
    <message>
        <source>纵断面：%1 与当前线路不符（%2）</source>
        <translation>纵断面：%1 与当前线路不符（%2）</translation>
    </message>
    <message>
        <source>横坡：无</source>
        <translation>横坡：无</translation>
    </message>
    <message>
        <source>横坡：%1</source>
        <translation>横坡：%1</translation>
    </message>
    <message>
        <source>横坡：%1 与当前线路不符（%2）</source>
        <translation>横坡：%1 与当前线路不符（%2）</translation>
    </message>
    <message>
        <source>无法绘制：%1</source>
        <translation>无法绘制：%1</translation>
    </message>
    <message>
        <source>实测点 %1 个</source>
        <translation>实测点 %1 个</translation>
    </message>
    <message>
        <source>无高程 %1 个</source>
        <translation>无高程 %1 个</translation>
    </message>
    <message>
        <source>在纵断面外 %1 个</source>
        <translation>在纵断面外 %1 个</translation>
    </message>
    <message>
        <source>变坡点</source>
        <translation>变坡点</translation>
    </message>
    <message>
        <source>高程</source>
        <translation>高程</translation>
    </message>
    <message>
        <source>坡度i1(%)</source>
        <translation>坡度i1(%)</translation>
    </message>
    <message>
        <source>坡度i2(%)</source>
        <translation>坡度i2(%)</translation>
    </message>
    <message>
        <source>凸/凹</source>
        <translation>凸/凹</translation>
    </message>
    <message>
        <source>起点桩号</source>
        <translation>起点桩号</translation>
    </message>
    <message>
        <source>起点高程</source>
        <translation>起点高程</translation>
    </message>
    <message>
        <source>终点桩号</source>
        <translation>终点桩号</translation>
    </message>
    <message>
        <source>终点高程</source>
        <translation>终点高程</translation>
    </message>
    <message>
        <source>凸</source>
        <translation>凸</translation>
    </message>
    <message>
        <source>凹</source>
        <translation>凹</translation>
    </message>
    <message>
        <source>点号 %1
桩号 %2
左距 %3
实测高程 %4
设计高程 %5
高差 %6</source>
        <translation>点号 %1
桩号 %2
左距 %3
实测高程 %4
设计高程 %5
高差 %6</translation>
    </message>
    <message>
        <source>请载入纵断面文件</source>
        <translation>请载入纵断面文件</translation>
    </message>
    <message>
        <source>R=%1</source>
        <translation>R=%1</translation>
    </message>
    <message>
        <source>设计线</source>
        <translation>设计线</translation>
    </message>
    <message>
        <source>实测点</source>
        <translation>实测点</translation>
    </message>
    <message>
        <source>竖向放大 %1 倍</source>
        <translation>竖向放大 %1 倍</translation>
    </message>
    <message>
        <source>打开项目</source>
        <translation>打开项目</translation>
    </message>
    <message>
        <source>项目文件(*.vomelproj)|*.vomelproj|所有文件（*.*)|*.*</source>
        <translation>项目文件(*.vomelproj)|*.vomelproj|所有文件（*.*)|*.*</translation>
    </message>
    <message>
        <source>保存项目</source>
        <translation>保存项目</translation>
    </message>
    <message>
        <source>坐标文件(*.txt;*.xy;*.dat)|*.txt;*.xy;*.dat|所有文件（*.*)|*.*</source>
        <translation>坐标文件(*.txt;*.xy;*.dat)|*.txt;*.xy;*.dat|所有文件（*.*)|*.*</translation>
    </message>
    <message>
        <source>保存带线路的结果文件</source>
        <translation>保存带线路的结果文件</translation>
    </message>
    <message>
        <source>平面、积木、LandXML及IFC文件(*.jdx;*.txt;*.ele;*.xml;*.ifc)|*.jdx;*.txt;*.ele;*.xml;*.ifc|所有文件（*.*)|*.*</source>
        <translation>平面、积木、LandXML及IFC文件(*.jdx;*.txt;*.ele;*.xml;*.ifc)|*.jdx;*.txt;*.ele;*.xml;*.ifc|所有文件（*.*)|*.*</translation>
    </message>
</context>
</TS>
