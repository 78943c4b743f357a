<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CurveTable</name>
    <message>
        <source>name</source>
        <translation>name</translation>
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
        <translation>deflection</translation>
    </message>
    <message>
        <source>deflection_rad</source>
        <translation>deflection_rad</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Ls1</source>
        <translation>Ls1</translation>
    </message>
    <message>
        <source>Ls2</source>
        <translation>Ls2</translation>
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
        <translation>T1</translation>
    </message>
    <message>
        <source>T2</source>
        <translation>T2</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>item</source>
        <translation>item</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>kind</translation>
    </message>
    <message>
        <source>R1</source>
        <translation>R1</translation>
    </message>
    <message>
        <source>R2</source>
        <translation>R2</translation>
    </message>
    <message>
        <source>station</source>
        <translation>station</translation>
    </message>
    <message>
        <source>azimuth</source>
        <translation>azimuth</translation>
    </message>
    <message>
        <source>azimuth_rad</source>
        <translation>azimuth_rad</translation>
    </message>
    <message>
        <source>straight</source>
        <translation>straight</translation>
    </message>
    <message>
        <source>arc</source>
        <translation>arc</translation>
    </message>
    <message>
        <source>entry spiral</source>
        <translation>entry spiral</translation>
    </message>
    <message>
        <source>exit spiral</source>
        <translation>exit spiral</translation>
    </message>
    <message>
        <source>partial spiral</source>
        <translation>partial spiral</translation>
    </message>
    <message>
        <source>node %1</source>
        <translation>node %1</translation>
    </message>
    <message>
        <source>element %1</source>
        <translation>element %1</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>line %1: </source>
        <translation>line %1: </translation>
    </message>
    <message>
        <source>field %1 is not a number: %2</source>
        <translation>field %1 is not a number: %2</translation>
    </message>
    <message>
        <source>field %1 is beyond ±%2, the largest magnitude accepted: %3</source>
        <translation>field %1 is beyond ±%2, the largest magnitude accepted: %3</translation>
    </message>
    <message>
        <source>field %1 is not a station (a number, optionally after its chain letter, or K5+030.00): %2</source>
        <translation>field %1 is not a station (a number, optionally after its chain letter, or K5+030.00): %2</translation>
    </message>
    <message>
        <source>line is longer than %1 bytes</source>
        <translation>line is longer than %1 bytes</translation>
    </message>
    <message>
        <source>the file is longer than %1 bytes</source>
        <translation>the file is longer than %1 bytes</translation>
    </message>
    <message>
        <source>a carriage return (CR) inside the line: lines must end in CR LF or LF</source>
        <translation>a carriage return (CR) inside the line: lines must end in CR LF or LF</translation>
    </message>
    <message>
        <source>the file could not be read to its end</source>
        <translation>the file could not be read to its end</translation>
    </message>
    <message>
        <source>cannot read the file: it is a folder</source>
        <translation>cannot read the file: it is a folder</translation>
    </message>
    <message>
        <source>cannot open the file: %1</source>
        <translation>cannot open the file: %1</translation>
    </message>
    <message>
        <source>cannot reach the results file: %1</source>
        <translation>cannot reach the results file: %1</translation>
    </message>
    <message>
        <source>the results file is a folder: %1</source>
        <translation>the results file is a folder: %1</translation>
    </message>
    <message>
        <source>cannot open the results file for writing: %1</source>
        <translation>cannot open the results file for writing: %1</translation>
    </message>
    <message>
        <source>the results file cannot be replaced: %1</source>
        <translation>the results file cannot be replaced: %1</translation>
    </message>
    <message>
        <source>cannot create a file in the folder %1: %2</source>
        <translation>cannot create a file in the folder %1: %2</translation>
    </message>
    <message>
        <source>cannot write the results file: %1</source>
        <translation>cannot write the results file: %1</translation>
    </message>
    <message>
        <source>cannot write the results file to disk: %1</source>
        <translation>cannot write the results file to disk: %1</translation>
    </message>
    <message>
        <source>a chain break needs two numbers, the back station and the ahead station</source>
        <translation>a chain break needs two numbers, the back station and the ahead station</translation>
    </message>
    <message>
        <source>more than %1 chain breaks</source>
        <translation>more than %1 chain breaks</translation>
    </message>
    <message>
        <source>the file is empty: the header line with the start station is missing</source>
        <translation>the file is empty: the header line with the start station is missing</translation>
    </message>
    <message>
        <source>the file ends before the start station</source>
        <translation>the file ends before the start station</translation>
    </message>
    <message>
        <source>the start station is missing</source>
        <translation>the start station is missing</translation>
    </message>
    <message>
        <source>more than %1 intersection points: the table is full</source>
        <translation>more than %1 intersection points: the table is full</translation>
    </message>
    <message>
        <source>the file ends after the name %1: its data line is missing</source>
        <translation>the file ends after the name %1: its data line is missing</translation>
    </message>
    <message>
        <source>the data line of %1 has %2 numbers; expected 5 (X Y R Ls1 Ls2) or 7 (... RA1 RA2)</source>
        <translation>the data line of %1 has %2 numbers; expected 5 (X Y R Ls1 Ls2) or 7 (... RA1 RA2)</translation>
    </message>
    <message>
        <source>start line: %1 of the four numbers (station, X, Y, azimuth) before the end of the file</source>
        <translation>start line: %1 of the four numbers (station, X, Y, azimuth) before the end of the file</translation>
    </message>
    <message>
        <source>field %1, the start azimuth, is %2 degrees or more: %3</source>
        <translation>field %1, the start azimuth, is %2 degrees or more: %3</translation>
    </message>
    <message>
        <source>more than %1 element lines</source>
        <translation>more than %1 element lines</translation>
    </message>
    <message>
        <source>element line has %1 fields; start radius, end radius and length are needed</source>
        <translation>element line has %1 fields; start radius, end radius and length are needed</translation>
    </message>
    <message>
        <source>a point needs a label, X and Y; the line has %1 field%2</source>
        <translation>a point needs a label, X and Y; the line has %1 field%2</translation>
    </message>
    <message>
        <source>more than %1 points in one file</source>
        <translation>more than %1 points in one file</translation>
    </message>
    <message>
        <source>a grade point is `station elevation [radius]`; the line has %1 field%2</source>
        <translation>a grade point is `station elevation [radius]`; the line has %1 field%2</translation>
    </message>
    <message>
        <source>a cross-fall line is `station left right` (percent); the line has %1 field%2</source>
        <translation>a cross-fall line is `station left right` (percent); the line has %1 field%2</translation>
    </message>
    <message>
        <source>%1 is not a finite number</source>
        <translation>%1 is not a finite number</translation>
    </message>
    <message>
        <source>division by zero in %1</source>
        <translation>division by zero in %1</translation>
    </message>
    <message>
        <source>overflow in %1</source>
        <translation>overflow in %1</translation>
    </message>
    <message>
        <source>a number to be written is not finite</source>
        <translation>a number to be written is not finite</translation>
    </message>
    <message>
        <source>start azimuth is not a finite number</source>
        <translation>start azimuth is not a finite number</translation>
    </message>
    <message>
        <source>start azimuth %1 is %2 degrees or more</source>
        <translation>start azimuth %1 is %2 degrees or more</translation>
    </message>
    <message>
        <source>start azimuth %1 cannot be read as D.MMSS</source>
        <translation>start azimuth %1 cannot be read as D.MMSS</translation>
    </message>
    <message>
        <source>arc deflection</source>
        <translation>arc deflection</translation>
    </message>
    <message>
        <source>spiral deflection</source>
        <translation>spiral deflection</translation>
    </message>
    <message>
        <source>spiral constant</source>
        <translation>spiral constant</translation>
    </message>
    <message>
        <source>partial spiral</source>
        <translation>partial spiral</translation>
    </message>
    <message>
        <source>factorial of %1 is out of range</source>
        <translation>factorial of %1 is out of range</translation>
    </message>
    <message>
        <source>spiral tangent gain</source>
        <translation>spiral tangent gain</translation>
    </message>
    <message>
        <source>spiral shift</source>
        <translation>spiral shift</translation>
    </message>
    <message>
        <source>spiral point x</source>
        <translation>spiral point x</translation>
    </message>
    <message>
        <source>spiral point y</source>
        <translation>spiral point y</translation>
    </message>
    <message>
        <source>tangent length</source>
        <translation>tangent length</translation>
    </message>
    <message>
        <source>arc point</source>
        <translation>arc point</translation>
    </message>
    <message>
        <source>series of %1 does not converge</source>
        <translation>series of %1 does not converge</translation>
    </message>
    <message>
        <source>spiral span x</source>
        <translation>spiral span x</translation>
    </message>
    <message>
        <source>spiral span y</source>
        <translation>spiral span y</translation>
    </message>
    <message>
        <source>the two sides are parallel: they do not intersect</source>
        <translation>the two sides are parallel: they do not intersect</translation>
    </message>
    <message>
        <source>side intersection</source>
        <translation>side intersection</translation>
    </message>
    <message>
        <source>entry spiral extra length</source>
        <translation>entry spiral extra length</translation>
    </message>
    <message>
        <source>exit spiral extra length</source>
        <translation>exit spiral extra length</translation>
    </message>
    <message>
        <source>entry origin azimuth</source>
        <translation>entry origin azimuth</translation>
    </message>
    <message>
        <source>exit origin azimuth</source>
        <translation>exit origin azimuth</translation>
    </message>
    <message>
        <source>the number is beyond the double range</source>
        <translation>the number is beyond the double range</translation>
    </message>
    <message>
        <source>not a K-form station (K, kilometres, +, metres: K5+030.00): %1: %2</source>
        <translation>not a K-form station (K, kilometres, +, metres: K5+030.00): %1: %2</translation>
    </message>
    <message>
        <source>no K</source>
        <translation>no K</translation>
    </message>
    <message>
        <source>no +</source>
        <translation>no +</translation>
    </message>
    <message>
        <source>the kilometres are not a whole number</source>
        <translation>the kilometres are not a whole number</translation>
    </message>
    <message>
        <source>the metres after + are not a decimal number</source>
        <translation>the metres after + are not a decimal number</translation>
    </message>
    <message>
        <source>the metres after + are 1000 or more: %1</source>
        <translation>the metres after + are 1000 or more: %1</translation>
    </message>
    <message>
        <source>station</source>
        <translation>station</translation>
    </message>
    <message>
        <source>a K-form station cannot be negative: %1</source>
        <translation>a K-form station cannot be negative: %1</translation>
    </message>
    <message>
        <source>the start</source>
        <translation>the start</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>the end</translation>
    </message>
    <message>
        <source>chain %1 runs from %2 to %3</source>
        <translation>chain %1 runs from %2 to %3</translation>
    </message>
    <message>
        <source>the station is not a finite number</source>
        <translation>the station is not a finite number</translation>
    </message>
    <message>
        <source>there is no chain %1: the line has no chain breaks, its only chain is A</source>
        <translation>there is no chain %1: the line has no chain breaks, its only chain is A</translation>
    </message>
    <message>
        <source>there is no chain %1: the line&apos;s chains run from A to %2</source>
        <translation>there is no chain %1: the line&apos;s chains run from A to %2</translation>
    </message>
    <message>
        <source>station %1 does not exist: %2</source>
        <translation>station %1 does not exist: %2</translation>
    </message>
    <message>
        <source>station %1 lies at two places, continuous stations %2 and %3: the chain breaks are out of order</source>
        <translation>station %1 lies at two places, continuous stations %2 and %3: the chain breaks are out of order</translation>
    </message>
    <message>
        <source>the table would have %1 rows, more than %2: choose a larger interval or a shorter stretch with --from and --to</source>
        <translation>the table would have %1 rows, more than %2: choose a larger interval or a shorter stretch with --from and --to</translation>
    </message>
    <message>
        <source>no station from %1 to %2 lies on the line, which runs from %3 to %4 (continuous stations)</source>
        <translation>no station from %1 to %2 lies on the line, which runs from %3 to %4 (continuous stations)</translation>
    </message>
    <message>
        <source>field %1: %2</source>
        <translation>field %1: %2</translation>
    </message>
    <message>
        <source>element %1: %2</source>
        <translation>element %1: %2</translation>
    </message>
    <message>
        <source>radius or length is not a finite number</source>
        <translation>radius or length is not a finite number</translation>
    </message>
    <message>
        <source>length %1 is negative</source>
        <translation>length %1 is negative</translation>
    </message>
    <message>
        <source>radius is 0</source>
        <translation>radius is 0</translation>
    </message>
    <message>
        <source>partial spiral constant is 0 (length 0)</source>
        <translation>partial spiral constant is 0 (length 0)</translation>
    </message>
    <message>
        <source>the partial spiral turns through %1 rad; at most %2 (four full turns) are accepted</source>
        <translation>the partial spiral turns through %1 rad; at most %2 (four full turns) are accepted</translation>
    </message>
    <message>
        <source>%1 elements; a chain holds at most %2</source>
        <translation>%1 elements; a chain holds at most %2</translation>
    </message>
    <message>
        <source>start station</source>
        <translation>start station</translation>
    </message>
    <message>
        <source>start X</source>
        <translation>start X</translation>
    </message>
    <message>
        <source>start Y</source>
        <translation>start Y</translation>
    </message>
    <message>
        <source>start azimuth</source>
        <translation>start azimuth</translation>
    </message>
    <message>
        <source>node station</source>
        <translation>node station</translation>
    </message>
    <message>
        <source>node azimuth</source>
        <translation>node azimuth</translation>
    </message>
    <message>
        <source>node X</source>
        <translation>node X</translation>
    </message>
    <message>
        <source>node Y</source>
        <translation>node Y</translation>
    </message>
    <message>
        <source>a cross-fall file needs at least one line `station left right`</source>
        <translation>a cross-fall file needs at least one line `station left right`</translation>
    </message>
    <message>
        <source>the station %1 does not follow the previous line&apos;s %2: stations must increase</source>
        <translation>the station %1 does not follow the previous line&apos;s %2: stations must increase</translation>
    </message>
    <message>
        <source>offset</source>
        <translation>offset</translation>
    </message>
    <message>
        <source>cross-fall rise</source>
        <translation>cross-fall rise</translation>
    </message>
    <message>
        <source>no profile is given: design elevations need one</source>
        <translation>no profile is given: design elevations need one</translation>
    </message>
    <message>
        <source>design elevation</source>
        <translation>design elevation</translation>
    </message>
    <message>
        <source>intersection point %1 (%2)</source>
        <translation>intersection point %1 (%2)</translation>
    </message>
    <message>
        <source>intersection point %1</source>
        <translation>intersection point %1</translation>
    </message>
    <message>
        <source>no main line was read</source>
        <translation>no main line was read</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>deflection is 0 (the sides run straight on)</source>
        <translation>deflection is 0 (the sides run straight on)</translation>
    </message>
    <message>
        <source>outer radius of the entry spiral equals the radius</source>
        <translation>outer radius of the entry spiral equals the radius</translation>
    </message>
    <message>
        <source>outer radius of the entry spiral is smaller than the radius</source>
        <translation>outer radius of the entry spiral is smaller than the radius</translation>
    </message>
    <message>
        <source>outer radius of the exit spiral equals the radius</source>
        <translation>outer radius of the exit spiral equals the radius</translation>
    </message>
    <message>
        <source>outer radius of the exit spiral is smaller than the radius</source>
        <translation>outer radius of the exit spiral is smaller than the radius</translation>
    </message>
    <message>
        <source>ZH X</source>
        <translation>ZH X</translation>
    </message>
    <message>
        <source>ZH Y</source>
        <translation>ZH Y</translation>
    </message>
    <message>
        <source>HY X</source>
        <translation>HY X</translation>
    </message>
    <message>
        <source>HY Y</source>
        <translation>HY Y</translation>
    </message>
    <message>
        <source>HZ X</source>
        <translation>HZ X</translation>
    </message>
    <message>
        <source>HZ Y</source>
        <translation>HZ Y</translation>
    </message>
    <message>
        <source>side azimuth</source>
        <translation>side azimuth</translation>
    </message>
    <message>
        <source>ZH station</source>
        <translation>ZH station</translation>
    </message>
    <message>
        <source>HY station</source>
        <translation>HY station</translation>
    </message>
    <message>
        <source>YH station</source>
        <translation>YH station</translation>
    </message>
    <message>
        <source>HZ station</source>
        <translation>HZ station</translation>
    </message>
    <message>
        <source>HY azimuth</source>
        <translation>HY azimuth</translation>
    </message>
    <message>
        <source>curve length</source>
        <translation>curve length</translation>
    </message>
    <message>
        <source>the intersection-point table has %1 rows; a line needs at least a start and an end point</source>
        <translation>the intersection-point table has %1 rows; a line needs at least a start and an end point</translation>
    </message>
    <message>
        <source>the intersection-point table has more than %1 rows</source>
        <translation>the intersection-point table has more than %1 rows</translation>
    </message>
    <message>
        <source>spiral tangent</source>
        <translation>spiral tangent</translation>
    </message>
    <message>
        <source>spiral curvature</source>
        <translation>spiral curvature</translation>
    </message>
    <message>
        <source>the main line has fewer than two intersection points</source>
        <translation>the main line has fewer than two intersection points</translation>
    </message>
    <message>
        <source>station is not a finite number</source>
        <translation>station is not a finite number</translation>
    </message>
    <message>
        <source>arc curvature</source>
        <translation>arc curvature</translation>
    </message>
    <message>
        <source>station %1 lies on no element of %2: the key stations of the curves overlap</source>
        <translation>station %1 lies on no element of %2: the key stations of the curves overlap</translation>
    </message>
    <message>
        <source>the line holds no element</source>
        <translation>the line holds no element</translation>
    </message>
    <message>
        <source>element %1: more than %2 elements (reverse spirals count twice)</source>
        <translation>element %1: more than %2 elements (reverse spirals count twice)</translation>
    </message>
    <message>
        <source>no element chain was read</source>
        <translation>no element chain was read</translation>
    </message>
    <message>
        <source>point X</source>
        <translation>point X</translation>
    </message>
    <message>
        <source>point Y</source>
        <translation>point Y</translation>
    </message>
    <message>
        <source>tangent azimuth</source>
        <translation>tangent azimuth</translation>
    </message>
    <message>
        <source>curvature</source>
        <translation>curvature</translation>
    </message>
    <message>
        <source>row count %1 is out of range</source>
        <translation>row count %1 is out of range</translation>
    </message>
    <message>
        <source>%1 elements after splitting %2 reverse spirals; at most %3 rows are allowed</source>
        <translation>%1 elements after splitting %2 reverse spirals; at most %3 rows are allowed</translation>
    </message>
    <message>
        <source>angle</source>
        <translation>angle</translation>
    </message>
    <message>
        <source>grade on the circular vertical curve</source>
        <translation>grade on the circular vertical curve</translation>
    </message>
    <message>
        <source>the curve length %1 is negative</source>
        <translation>the curve length %1 is negative</translation>
    </message>
    <message>
        <source>the unsymmetric vertical curve has lengths %1 in and %2 out: it needs both or neither</source>
        <translation>the unsymmetric vertical curve has lengths %1 in and %2 out: it needs both or neither</translation>
    </message>
    <message>
        <source>a profile needs at least two grade points; the file has %1</source>
        <translation>a profile needs at least two grade points; the file has %1</translation>
    </message>
    <message>
        <source>the station %1 does not follow the previous grade point&apos;s %2: stations must increase</source>
        <translation>the station %1 does not follow the previous grade point&apos;s %2: stations must increase</translation>
    </message>
    <message>
        <source>the radius %1 is negative</source>
        <translation>the radius %1 is negative</translation>
    </message>
    <message>
        <source>the first grade point has a radius: a vertical curve needs a grade on both sides</source>
        <translation>the first grade point has a radius: a vertical curve needs a grade on both sides</translation>
    </message>
    <message>
        <source>the last grade point has a radius: a vertical curve needs a grade on both sides</source>
        <translation>the last grade point has a radius: a vertical curve needs a grade on both sides</translation>
    </message>
    <message>
        <source>the first grade point has a vertical curve: a vertical curve needs a grade on both sides</source>
        <translation>the first grade point has a vertical curve: a vertical curve needs a grade on both sides</translation>
    </message>
    <message>
        <source>the last grade point has a vertical curve: a vertical curve needs a grade on both sides</source>
        <translation>the last grade point has a vertical curve: a vertical curve needs a grade on both sides</translation>
    </message>
    <message>
        <source>the grade to this point</source>
        <translation>the grade to this point</translation>
    </message>
    <message>
        <source>the length of the vertical curve</source>
        <translation>the length of the vertical curve</translation>
    </message>
    <message>
        <source>the radius</source>
        <translation>the radius</translation>
    </message>
    <message>
        <source>the vertical curve (T = %1) is longer than the grade before it (%2)</source>
        <translation>the vertical curve (T = %1) is longer than the grade before it (%2)</translation>
    </message>
    <message>
        <source>the vertical curve (T = %1) is longer than the grade after it (%2)</source>
        <translation>the vertical curve (T = %1) is longer than the grade after it (%2)</translation>
    </message>
    <message>
        <source>the vertical curve (T = %1) overlaps the one of the previous grade point (T = %2): they are %3 apart</source>
        <translation>the vertical curve (T = %1) overlaps the one of the previous grade point (T = %2): they are %3 apart</translation>
    </message>
    <message>
        <source>station %1 lies outside the profile, which runs from %2 to %3</source>
        <translation>station %1 lies outside the profile, which runs from %2 to %3</translation>
    </message>
    <message>
        <source>grade</source>
        <translation>grade</translation>
    </message>
    <message>
        <source>the start or end station of the line is not a finite number</source>
        <translation>the start or end station of the line is not a finite number</translation>
    </message>
    <message>
        <source>the end station %1 lies below the start station %2</source>
        <translation>the end station %1 lies below the start station %2</translation>
    </message>
    <message>
        <source>the line is too long to be sampled</source>
        <translation>the line is too long to be sampled</translation>
    </message>
    <message>
        <source>X of a sample of the line</source>
        <translation>X of a sample of the line</translation>
    </message>
    <message>
        <source>Y of a sample of the line</source>
        <translation>Y of a sample of the line</translation>
    </message>
    <message>
        <source>no alignment has been initialised</source>
        <translation>no alignment has been initialised</translation>
    </message>
    <message>
        <source>%1 %2 is beyond ±%3</source>
        <translation>%1 %2 is beyond ±%3</translation>
    </message>
    <message>
        <source>X of the point</source>
        <translation>X of the point</translation>
    </message>
    <message>
        <source>Y of the point</source>
        <translation>Y of the point</translation>
    </message>
    <message>
        <source>X of the line</source>
        <translation>X of the line</translation>
    </message>
    <message>
        <source>Y of the line</source>
        <translation>Y of the line</translation>
    </message>
    <message>
        <source>the sample index does not belong to this sample table</source>
        <translation>the sample index does not belong to this sample table</translation>
    </message>
    <message>
        <source>the reach of a sample search is not a finite, non-negative distance</source>
        <translation>the reach of a sample search is not a finite, non-negative distance</translation>
    </message>
    <message>
        <source>a CASS point is `name,code,E,N,elevation`; the line has %1 field%2</source>
        <translation>a CASS point is `name,code,E,N,elevation`; the line has %1 field%2</translation>
    </message>
    <message>
        <source>field 1, the point name, is empty</source>
        <translation>field 1, the point name, is empty</translation>
    </message>
    <message>
        <source>the name %1 holds a comma, which the CASS format cannot carry</source>
        <translation>the name %1 holds a comma, which the CASS format cannot carry</translation>
    </message>
    <message>
        <source>the code %1 holds a comma, which the CASS format cannot carry</source>
        <translation>the code %1 holds a comma, which the CASS format cannot carry</translation>
    </message>
    <message>
        <source>#%1 is not defined</source>
        <translation>#%1 is not defined</translation>
    </message>
    <message>
        <source>the file holds no IfcAlignment</source>
        <translation>the file holds no IfcAlignment</translation>
    </message>
    <message>
        <source>no alignment is called %1; the file holds %2</source>
        <translation>no alignment is called %1; the file holds %2</translation>
    </message>
    <message>
        <source>alignment %1: %2</source>
        <translation>alignment %1: %2</translation>
    </message>
    <message>
        <source>not a LandXML document: the file does not begin with an XML element</source>
        <translation>not a LandXML document: the file does not begin with an XML element</translation>
    </message>
    <message>
        <source>not a well-formed XML document: %1</source>
        <translation>not a well-formed XML document: %1</translation>
    </message>
    <message>
        <source>the document&apos;s root element is &lt;%1&gt;, not &lt;LandXML&gt;</source>
        <translation>the document&apos;s root element is &lt;%1&gt;, not &lt;LandXML&gt;</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;; radians, grads, decimal degrees or decimal dd.mm.ss are read</source>
        <translation>%1 is &quot;%2&quot;; radians, grads, decimal degrees or decimal dd.mm.ss are read</translation>
    </message>
    <message>
        <source>alignment &quot;%1&quot;: %2</source>
        <translation>alignment &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>the CircCurve&apos;s length %1 %2 and radius %3 %2 disagree: an arc of that radius between these grades is %4 %2 long, %5 %2 apart where the written numbers allow %6 %2</source>
        <translation>the CircCurve&apos;s length %1 %2 and radius %3 %2 disagree: an arc of that radius between these grades is %4 %2 long, %5 %2 apart where the written numbers allow %6 %2</translation>
    </message>
    <message>
        <source>the file holds no Alignments/Alignment</source>
        <translation>the file holds no Alignments/Alignment</translation>
    </message>
    <message>
        <source>no alignment is called &quot;%1&quot;; the file holds %2</source>
        <translation>no alignment is called &quot;%1&quot;; the file holds %2</translation>
    </message>
    <message>
        <source>lengths are in %1 (%2 %3); only files in metres, US survey feet or international feet can be imported</source>
        <translation>lengths are in %1 (%2 %3); only files in metres, US survey feet or international feet can be imported</translation>
    </message>
    <message>
        <source>elevations are in %1 (%2 %3); only files in metres, US survey feet or international feet can be imported</source>
        <translation>elevations are in %1 (%2 %3); only files in metres, US survey feet or international feet can be imported</translation>
    </message>
    <message>
        <source>no UTF-8 to GBK converter: %1</source>
        <translation>no UTF-8 to GBK converter: %1</translation>
    </message>
    <message>
        <source>cannot convert the header to GBK: %1</source>
        <translation>cannot convert the header to GBK: %1</translation>
    </message>
    <message>
        <source>no results file was named</source>
        <translation>no results file was named</translation>
    </message>
    <message>
        <source>the results file is already closed</source>
        <translation>the results file is already closed</translation>
    </message>
    <message>
        <source>cannot finish writing the results file: %1</source>
        <translation>cannot finish writing the results file: %1</translation>
    </message>
    <message>
        <source>cannot put the results file in place: %1</source>
        <translation>cannot put the results file in place: %1</translation>
    </message>
    <message>
        <source>a comment /* is never closed</source>
        <translation>a comment /* is never closed</translation>
    </message>
    <message>
        <source>expected %1; found %2</source>
        <translation>expected %1; found %2</translation>
    </message>
    <message>
        <source>not a STEP file (ISO 10303-21): it does not begin with ISO-10303-21;</source>
        <translation>not a STEP file (ISO 10303-21): it does not begin with ISO-10303-21;</translation>
    </message>
    <message>
        <source>FILE_SCHEMA does not name a schema</source>
        <translation>FILE_SCHEMA does not name a schema</translation>
    </message>
    <message>
        <source>the file&apos;s schema is %1; only %2 can be read</source>
        <translation>the file&apos;s schema is %1; only %2 can be read</translation>
    </message>
    <message>
        <source>the file has no DATA section: expected DATA; after the HEADER, found %1</source>
        <translation>the file has no DATA section: expected DATA; after the HEADER, found %1</translation>
    </message>
    <message>
        <source>instance #%1 is longer than %2 bytes</source>
        <translation>instance #%1 is longer than %2 bytes</translation>
    </message>
    <message>
        <source>#%1 is defined twice (first on line %2)</source>
        <translation>#%1 is defined twice (first on line %2)</translation>
    </message>
    <message>
        <source>#%1 is referred to but not defined</source>
        <translation>#%1 is referred to but not defined</translation>
    </message>
    <message>
        <source>dz</source>
        <translation>dz</translation>
    </message>
    <message>
        <source>the file changed while it was being read (%1 points counted, %2 read)</source>
        <translation>the file changed while it was being read (%1 points counted, %2 read)</translation>
    </message>
    <message>
        <source>point %1: %2</source>
        <translation>point %1: %2</translation>
    </message>
    <message>
        <source>residual</source>
        <translation>residual</translation>
    </message>
    <message>
        <source>the line is %1 m long; at most %2 m can be sampled</source>
        <translation>the line is %1 m long; at most %2 m can be sampled</translation>
    </message>
    <message>
        <source>not enough memory for the samples of a %1 m line</source>
        <translation>not enough memory for the samples of a %1 m line</translation>
    </message>
    <message>
        <source>no design line was read</source>
        <translation>no design line was read</translation>
    </message>
    <message>
        <source>a station line holds a label, a station, an offset and optionally an elevation; the line has %1 field%2</source>
        <translation>a station line holds a label, a station, an offset and optionally an elevation; the line has %1 field%2</translation>
    </message>
    <message>
        <source>X of the set-out point</source>
        <translation>X of the set-out point</translation>
    </message>
    <message>
        <source>Y of the set-out point</source>
        <translation>Y of the set-out point</translation>
    </message>
    <message>
        <source>cannot write the table to standard output</source>
        <translation>cannot write the table to standard output</translation>
    </message>
    <message>
        <source>beyond the profile: %1</source>
        <translation>beyond the profile: %1</translation>
    </message>
    <message>
        <source>the plan view cannot draw %1: a coordinate is not finite</source>
        <translation>the plan view cannot draw %1: a coordinate is not finite</translation>
    </message>
    <message>
        <source>a key point</source>
        <translation>a key point</translation>
    </message>
    <message>
        <source>an intersection point</source>
        <translation>an intersection point</translation>
    </message>
    <message>
        <source>a tangent</source>
        <translation>a tangent</translation>
    </message>
    <message>
        <source>the plan view cannot draw a station tick: no tangent</source>
        <translation>the plan view cannot draw a station tick: no tangent</translation>
    </message>
    <message>
        <source>a station tick</source>
        <translation>a station tick</translation>
    </message>
    <message>
        <source>no design line has been initialised</source>
        <translation>no design line has been initialised</translation>
    </message>
    <message>
        <source>the design line</source>
        <translation>the design line</translation>
    </message>
    <message>
        <source>the plan view was given points and solutions that do not match</source>
        <translation>the plan view was given points and solutions that do not match</translation>
    </message>
    <message>
        <source>the plan view cannot draw the point %1: not finite</source>
        <translation>the plan view cannot draw the point %1: not finite</translation>
    </message>
    <message>
        <source>a point</source>
        <translation>a point</translation>
    </message>
    <message>
        <source>a foot</source>
        <translation>a foot</translation>
    </message>
    <message>
        <source>the profile drawing cannot draw %1: a value is not finite</source>
        <translation>the profile drawing cannot draw %1: a value is not finite</translation>
    </message>
    <message>
        <source>a grade point</source>
        <translation>a grade point</translation>
    </message>
    <message>
        <source>a curve&apos;s start</source>
        <translation>a curve&apos;s start</translation>
    </message>
    <message>
        <source>a curve&apos;s end</source>
        <translation>a curve&apos;s end</translation>
    </message>
    <message>
        <source>the profile drawing was given points and solutions that do not match</source>
        <translation>the profile drawing was given points and solutions that do not match</translation>
    </message>
    <message>
        <source>a point&apos;s station</source>
        <translation>a point&apos;s station</translation>
    </message>
    <message>
        <source>a point&apos;s offset</source>
        <translation>a point&apos;s offset</translation>
    </message>
    <message>
        <source>a point&apos;s elevation</source>
        <translation>a point&apos;s elevation</translation>
    </message>
    <message>
        <source>a point&apos;s design elevation</source>
        <translation>a point&apos;s design elevation</translation>
    </message>
    <message>
        <source>no profile has been loaded</source>
        <translation>no profile has been loaded</translation>
    </message>
    <message>
        <source>no main line has been read</source>
        <translation>no main line has been read</translation>
    </message>
    <message>
        <source>no design line has been read</source>
        <translation>no design line has been read</translation>
    </message>
    <message>
        <source>a picture must keep at least one point</source>
        <translation>a picture must keep at least one point</translation>
    </message>
    <message>
        <source>chain break %1 (%2 = %3) lies before the start of the line (%4 in its chain): it moves every station</source>
        <translation>chain break %1 (%2 = %3) lies before the start of the line (%4 in its chain): it moves every station</translation>
    </message>
    <message>
        <source>chain break %1 (%2 = %3) lies beyond the end of the line (%4 in its chain): it moves no station</source>
        <translation>chain break %1 (%2 = %3) lies beyond the end of the line (%4 in its chain): it moves no station</translation>
    </message>
    <message>
        <source>%1: the curve starts %2 before the start of the line (%3 of tangent on a side of %4)</source>
        <translation>%1: the curve starts %2 before the start of the line (%3 of tangent on a side of %4)</translation>
    </message>
    <message>
        <source>%1: the curve ends %2 beyond the end of the line (%3 of tangent on a side of %4)</source>
        <translation>%1: the curve ends %2 beyond the end of the line (%3 of tangent on a side of %4)</translation>
    </message>
    <message>
        <source>%1: the curve overlaps the next one, of %2, by %3 (%4 of tangent on a side of %5)</source>
        <translation>%1: the curve overlaps the next one, of %2, by %3 (%4 of tangent on a side of %5)</translation>
    </message>
    <message>
        <source>%1 (attribute %2) is missing: the instance has %3 attributes</source>
        <translation>%1 (attribute %2) is missing: the instance has %3 attributes</translation>
    </message>
    <message>
        <source>%1 (attribute %2) is not set</source>
        <translation>%1 (attribute %2) is not set</translation>
    </message>
    <message>
        <source>%1 (attribute %2) is not a number</source>
        <translation>%1 (attribute %2) is not a number</translation>
    </message>
    <message>
        <source>%1 is %2, beyond ±%3, the largest magnitude accepted</source>
        <translation>%1 is %2, beyond ±%3, the largest magnitude accepted</translation>
    </message>
    <message>
        <source>%1 (attribute %2) is not a reference to an instance</source>
        <translation>%1 (attribute %2) is not a reference to an instance</translation>
    </message>
    <message>
        <source>%1 is not a list</source>
        <translation>%1 is not a list</translation>
    </message>
    <message>
        <source>%1 holds an item that is not a reference</source>
        <translation>%1 holds an item that is not a reference</translation>
    </message>
    <message>
        <source>%1 holds an item that is not a number</source>
        <translation>%1 holds an item that is not a number</translation>
    </message>
    <message>
        <source>%1 holds %2, beyond ±%3, the largest magnitude accepted</source>
        <translation>%1 holds %2, beyond ±%3, the largest magnitude accepted</translation>
    </message>
    <message>
        <source>%1 (attribute %2) is not a string</source>
        <translation>%1 (attribute %2) is not a string</translation>
    </message>
    <message>
        <source>%1 (attribute %2) is not an enumeration value</source>
        <translation>%1 (attribute %2) is not an enumeration value</translation>
    </message>
    <message>
        <source>its Pset_Stationing %1 is not a number</source>
        <translation>its Pset_Stationing %1 is not a number</translation>
    </message>
    <message>
        <source>its Pset_Stationing %1 is beyond ±%2, the largest magnitude accepted</source>
        <translation>its Pset_Stationing %1 is beyond ±%2, the largest magnitude accepted</translation>
    </message>
    <message>
        <source>more than %1 station equations</source>
        <translation>more than %1 station equations</translation>
    </message>
    <message>
        <source>%1 is beyond ±%2, the largest magnitude accepted</source>
        <translation>%1 is beyond ±%2, the largest magnitude accepted</translation>
    </message>
    <message>
        <source>%1 is not a number: &quot;%2&quot;</source>
        <translation>%1 is not a number: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 refers to the point &quot;%2&quot;, which no CgPoint carries</source>
        <translation>%1 refers to the point &quot;%2&quot;, which no CgPoint carries</translation>
    </message>
    <message>
        <source>%1 is not &quot;northing easting&quot;: &quot;%2&quot;</source>
        <translation>%1 is not &quot;northing easting&quot;: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>it has no %1 point</source>
        <translation>it has no %1 point</translation>
    </message>
    <message>
        <source>the rot attribute (cw or ccw) is missing</source>
        <translation>the rot attribute (cw or ccw) is missing</translation>
    </message>
    <message>
        <source>rot is &quot;%1&quot;, not cw or ccw</source>
        <translation>rot is &quot;%1&quot;, not cw or ccw</translation>
    </message>
    <message>
        <source>an arc needs a finite radius</source>
        <translation>an arc needs a finite radius</translation>
    </message>
    <message>
        <source>%1 is %2; a radius must be positive (the turn is given by rot)</source>
        <translation>%1 is %2; a radius must be positive (the turn is given by rot)</translation>
    </message>
    <message>
        <source>only Line, Curve and Spiral elements can be imported</source>
        <translation>only Line, Curve and Spiral elements can be imported</translation>
    </message>
    <message>
        <source>length %1 is not a non-negative number</source>
        <translation>length %1 is not a non-negative number</translation>
    </message>
    <message>
        <source>the radius attribute is missing and no Center gives it</source>
        <translation>the radius attribute is missing and no Center gives it</translation>
    </message>
    <message>
        <source>spiType is &quot;%1&quot;; only clothoid spirals can be imported</source>
        <translation>spiType is &quot;%1&quot;; only clothoid spirals can be imported</translation>
    </message>
    <message>
        <source>the %1 attribute is missing</source>
        <translation>the %1 attribute is missing</translation>
    </message>
    <message>
        <source>both radii are INF; a spiral needs a finite radius at one end</source>
        <translation>both radii are INF; a spiral needs a finite radius at one end</translation>
    </message>
    <message>
        <source>the length attribute is missing and neither constant nor theta gives it</source>
        <translation>the length attribute is missing and neither constant nor theta gives it</translation>
    </message>
    <message>
        <source>its Start and End lie %1 and %2 from its Center; an arc keeps one radius</source>
        <translation>its Start and End lie %1 and %2 from its Center; an arc keeps one radius</translation>
    </message>
    <message>
        <source>its Center lies on its Start</source>
        <translation>its Center lies on its Start</translation>
    </message>
    <message>
        <source>its radius %1 differs from the %2 between its Center and its Start</source>
        <translation>its radius %1 differs from the %2 between its Center and its Start</translation>
    </message>
    <message>
        <source>its length %1 differs from the %2 of its arc from Start to End about its Center</source>
        <translation>its length %1 differs from the %2 of its arc from Start to End about its Center</translation>
    </message>
    <message>
        <source>its End lies %1 from where its radii and length, laid out from its Start, put it</source>
        <translation>its End lies %1 from where its radii and length, laid out from its Start, put it</translation>
    </message>
    <message>
        <source>no element is long enough to give the line&apos;s direction</source>
        <translation>no element is long enough to give the line&apos;s direction</translation>
    </message>
    <message>
        <source>alignment &quot;%1&quot;, element %2 (%3): %4</source>
        <translation>alignment &quot;%1&quot;, element %2 (%3): %4</translation>
    </message>
    <message>
        <source>it has no CoordGeom</source>
        <translation>it has no CoordGeom</translation>
    </message>
    <message>
        <source>more than %1 elements</source>
        <translation>more than %1 elements</translation>
    </message>
    <message>
        <source>its CoordGeom holds no Line, Curve or Spiral</source>
        <translation>its CoordGeom holds no Line, Curve or Spiral</translation>
    </message>
    <message>
        <source>ProfAlign %1: %2 is not a non-negative number: &quot;%3&quot;</source>
        <translation>ProfAlign %1: %2 is not a non-negative number: &quot;%3&quot;</translation>
    </message>
    <message>
        <source>ProfAlign %1: %2</source>
        <translation>ProfAlign %1: %2</translation>
    </message>
    <message>
        <source>ProfAlign %1: the %2 attribute is missing</source>
        <translation>ProfAlign %1: the %2 attribute is missing</translation>
    </message>
    <message>
        <source>ProfAlign CircCurve: it has neither a length nor a radius attribute</source>
        <translation>ProfAlign CircCurve: it has neither a length nor a radius attribute</translation>
    </message>
    <message>
        <source>ProfAlign holds a %1; only PVI, ParaCurve, UnsymParaCurve and CircCurve can be imported</source>
        <translation>ProfAlign holds a %1; only PVI, ParaCurve, UnsymParaCurve and CircCurve can be imported</translation>
    </message>
    <message>
        <source>ProfAlign %1 is not &quot;station elevation&quot;: &quot;%2&quot;</source>
        <translation>ProfAlign %1 is not &quot;station elevation&quot;: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>the station or elevation</source>
        <translation>the station or elevation</translation>
    </message>
    <message>
        <source>its ProfAlign holds %1 grade points; a profile needs at least two</source>
        <translation>its ProfAlign holds %1 grade points; a profile needs at least two</translation>
    </message>
    <message>
        <source>ProfAlign: %1</source>
        <translation>ProfAlign: %1</translation>
    </message>
    <message>
        <source>StaEquation: %1 is not a number</source>
        <translation>StaEquation: %1 is not a number</translation>
    </message>
    <message>
        <source>StaEquation: %1</source>
        <translation>StaEquation: %1</translation>
    </message>
    <message>
        <source>StaEquation: staAhead is missing</source>
        <translation>StaEquation: staAhead is missing</translation>
    </message>
    <message>
        <source>StaEquation: staBack and staInternal are both missing; one of them is needed</source>
        <translation>StaEquation: staBack and staInternal are both missing; one of them is needed</translation>
    </message>
    <message>
        <source>StaEquation: staBack is missing, and without staInternal on every equation the back station cannot be worked out</source>
        <translation>StaEquation: staBack is missing, and without staInternal on every equation the back station cannot be worked out</translation>
    </message>
    <message>
        <source>alignment &quot;%1&quot;: elements %2 and %3 meet at station %4; imported as a corner</source>
        <translation>alignment &quot;%1&quot;: elements %2 and %3 meet at station %4; imported as a corner</translation>
    </message>
    <message>
        <source>with a gap of %1 and at an angle of %2</source>
        <translation>with a gap of %1 and at an angle of %2</translation>
    </message>
    <message>
        <source>with a gap of %1</source>
        <translation>with a gap of %1</translation>
    </message>
    <message>
        <source>at an angle of %1</source>
        <translation>at an angle of %1</translation>
    </message>
    <message>
        <source>alignment &quot;%1&quot;: elements %2 and %3 meet at station %4 %5; imported as a corner</source>
        <translation>alignment &quot;%1&quot;: elements %2 and %3 meet at station %4 %5; imported as a corner</translation>
    </message>
    <message>
        <source>alignment &quot;%1&quot;: its length attribute %2 differs from the elements&apos; sum %3</source>
        <translation>alignment &quot;%1&quot;: its length attribute %2 differs from the elements&apos; sum %3</translation>
    </message>
    <message>
        <source>an unnamed unit</source>
        <translation>an unnamed unit</translation>
    </message>
    <message>
        <source>staStart is not a number: &quot;%1&quot;</source>
        <translation>staStart is not a number: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>expected &apos;%1&apos; %2, found %3</source>
        <translation>expected &apos;%1&apos; %2, found %3</translation>
    </message>
    <message>
        <source>lists nest deeper than %1 levels</source>
        <translation>lists nest deeper than %1 levels</translation>
    </message>
    <message>
        <source>to open a parameter list</source>
        <translation>to open a parameter list</translation>
    </message>
    <message>
        <source>an instance is longer than %1 bytes</source>
        <translation>an instance is longer than %1 bytes</translation>
    </message>
    <message>
        <source>expected &apos;,&apos; or &apos;)&apos; in a parameter list, found %1</source>
        <translation>expected &apos;,&apos; or &apos;)&apos; in a parameter list, found %1</translation>
    </message>
    <message>
        <source>before an instance id</source>
        <translation>before an instance id</translation>
    </message>
    <message>
        <source>an instance id beyond %1</source>
        <translation>an instance id beyond %1</translation>
    </message>
    <message>
        <source>&apos;#&apos; without an instance id</source>
        <translation>&apos;#&apos; without an instance id</translation>
    </message>
    <message>
        <source>typed values nest deeper than %1</source>
        <translation>typed values nest deeper than %1</translation>
    </message>
    <message>
        <source>a type name longer than %1 bytes</source>
        <translation>a type name longer than %1 bytes</translation>
    </message>
    <message>
        <source>after the type %1</source>
        <translation>after the type %1</translation>
    </message>
    <message>
        <source>to close the typed value %1</source>
        <translation>to close the typed value %1</translation>
    </message>
    <message>
        <source>expected a parameter, found %1</source>
        <translation>expected a parameter, found %1</translation>
    </message>
    <message>
        <source>an enumeration value is not closed by &apos;.&apos;</source>
        <translation>an enumeration value is not closed by &apos;.&apos;</translation>
    </message>
    <message>
        <source>an enumeration value longer than %1 bytes</source>
        <translation>an enumeration value longer than %1 bytes</translation>
    </message>
    <message>
        <source>a string is longer than the instance bound of %1 bytes</source>
        <translation>a string is longer than the instance bound of %1 bytes</translation>
    </message>
    <message>
        <source>a string is never closed by &apos;</source>
        <translation>a string is never closed by &apos;</translation>
    </message>
    <message>
        <source>a binary value is not closed by &apos;&quot;&apos;</source>
        <translation>a binary value is not closed by &apos;&quot;&apos;</translation>
    </message>
    <message>
        <source>a sign without a number</source>
        <translation>a sign without a number</translation>
    </message>
    <message>
        <source>a number&apos;s exponent has no digits</source>
        <translation>a number&apos;s exponent has no digits</translation>
    </message>
    <message>
        <source>the number %1 is out of range</source>
        <translation>the number %1 is out of range</translation>
    </message>
    <message>
        <source>the integer %1 is out of range</source>
        <translation>the integer %1 is out of range</translation>
    </message>
    <message>
        <source>after %1</source>
        <translation>after %1</translation>
    </message>
    <message>
        <source>expected a header entity or ENDSEC; found %1</source>
        <translation>expected a header entity or ENDSEC; found %1</translation>
    </message>
    <message>
        <source>after a header entity</source>
        <translation>after a header entity</translation>
    </message>
    <message>
        <source>the HEADER has no FILE_SCHEMA</source>
        <translation>the HEADER has no FILE_SCHEMA</translation>
    </message>
    <message>
        <source>the file ends inside its DATA section: ENDSEC; is missing (is it cut short?)</source>
        <translation>the file ends inside its DATA section: ENDSEC; is missing (is it cut short?)</translation>
    </message>
    <message>
        <source>after the instance id</source>
        <translation>after the instance id</translation>
    </message>
    <message>
        <source>expected an entity name in a complex instance</source>
        <translation>expected an entity name in a complex instance</translation>
    </message>
    <message>
        <source>to close a complex instance</source>
        <translation>to close a complex instance</translation>
    </message>
    <message>
        <source>expected an entity name, found %1</source>
        <translation>expected an entity name, found %1</translation>
    </message>
    <message>
        <source>an entity name longer than %1 bytes</source>
        <translation>an entity name longer than %1 bytes</translation>
    </message>
    <message>
        <source>expected &apos;(&apos; after %1, found %2</source>
        <translation>expected &apos;(&apos; after %1, found %2</translation>
    </message>
    <message>
        <source>after an instance</source>
        <translation>after an instance</translation>
    </message>
    <message>
        <source>a string holds %1</source>
        <translation>a string holds %1</translation>
    </message>
    <message>
        <source>a character code that is not Unicode</source>
        <translation>a character code that is not Unicode</translation>
    </message>
    <message>
        <source>\P%1\, a page not known</source>
        <translation>\P%1\, a page not known</translation>
    </message>
    <message>
        <source>\S\ of a character that page %1 does not define</source>
        <translation>\S\ of a character that page %1 does not define</translation>
    </message>
    <message>
        <source>%1 with a high surrogate and no low one</source>
        <translation>%1 with a high surrogate and no low one</translation>
    </message>
    <message>
        <source>%1 without its closing \X0\ after whole hex groups</source>
        <translation>%1 without its closing \X0\ after whole hex groups</translation>
    </message>
    <message>
        <source>two high surrogates in a row</source>
        <translation>two high surrogates in a row</translation>
    </message>
    <message>
        <source>a low surrogate without a high one</source>
        <translation>a low surrogate without a high one</translation>
    </message>
    <message>
        <source>a high surrogate without a low one</source>
        <translation>a high surrogate without a low one</translation>
    </message>
    <message>
        <source>\X\ without two hex digits</source>
        <translation>\X\ without two hex digits</translation>
    </message>
    <message>
        <source>an unknown escape &quot;%1&quot;</source>
        <translation>an unknown escape &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the alignment %1 nests a second %2 (the first is %3)</source>
        <translation>the alignment %1 nests a second %2 (the first is %3)</translation>
    </message>
    <message>
        <source>no alignment is called %1; the file holds %2 and %3 more</source>
        <translation>no alignment is called %1; the file holds %2 and %3 more</translation>
    </message>
    <message>
        <source>it has no IfcAlignmentHorizontal</source>
        <translation>it has no IfcAlignmentHorizontal</translation>
    </message>
    <message>
        <source>no design elevation: %1</source>
        <translation>no design elevation: %1</translation>
    </message>
    <message>
        <source>its StartPoint has fewer than two coordinates</source>
        <translation>its StartPoint has fewer than two coordinates</translation>
    </message>
    <message>
        <source>a CIRCULARARC segment with a StartRadiusOfCurvature of 0</source>
        <translation>a CIRCULARARC segment with a StartRadiusOfCurvature of 0</translation>
    </message>
    <message>
        <source>a CLOTHOID segment with both radii 0 (infinite): a clothoid needs a finite radius at one end</source>
        <translation>a CLOTHOID segment with both radii 0 (infinite): a clothoid needs a finite radius at one end</translation>
    </message>
    <message>
        <source>a segment of the horizontal layout %1 must carry IfcAlignmentHorizontalSegment design parameters</source>
        <translation>a segment of the horizontal layout %1 must carry IfcAlignmentHorizontalSegment design parameters</translation>
    </message>
    <message>
        <source>its SegmentLength %1 is negative</source>
        <translation>its SegmentLength %1 is negative</translation>
    </message>
    <message>
        <source>the horizontal layout holds no segment of non-zero length</source>
        <translation>the horizontal layout holds no segment of non-zero length</translation>
    </message>
    <message>
        <source>its Location has fewer than two coordinates</source>
        <translation>its Location has fewer than two coordinates</translation>
    </message>
    <message>
        <source>its Axis is not the vertical (0, 0, 1): an alignment placed on a tilted or upturned frame cannot be imported</source>
        <translation>its Axis is not the vertical (0, 0, 1): an alignment placed on a tilted or upturned frame cannot be imported</translation>
    </message>
    <message>
        <source>its RefDirection has no plan direction</source>
        <translation>its RefDirection has no plan direction</translation>
    </message>
    <message>
        <source>placements are relative to each other more than %1 deep</source>
        <translation>placements are relative to each other more than %1 deep</translation>
    </message>
    <message>
        <source>a linear placement without its CartesianPosition cannot be imported</source>
        <translation>a linear placement without its CartesianPosition cannot be imported</translation>
    </message>
    <message>
        <source>an ObjectPlacement of this kind cannot be imported</source>
        <translation>an ObjectPlacement of this kind cannot be imported</translation>
    </message>
    <message>
        <source>a relative placement must be an IfcAxis2Placement3D or 2D</source>
        <translation>a relative placement must be an IfcAxis2Placement3D or 2D</translation>
    </message>
    <message>
        <source>stations decreasing along the line (HasIncreasingStation false) cannot be imported</source>
        <translation>stations decreasing along the line (HasIncreasingStation false) cannot be imported</translation>
    </message>
    <message>
        <source>units refer to each other more than %1 deep</source>
        <translation>units refer to each other more than %1 deep</translation>
    </message>
    <message>
        <source>a conversion factor must be an IfcMeasureWithUnit</source>
        <translation>a conversion factor must be an IfcMeasureWithUnit</translation>
    </message>
    <message>
        <source>its HorizontalLength is negative</source>
        <translation>its HorizontalLength is negative</translation>
    </message>
    <message>
        <source>a segment of the vertical layout %1 must carry IfcAlignmentVerticalSegment design parameters</source>
        <translation>a segment of the vertical layout %1 must carry IfcAlignmentVerticalSegment design parameters</translation>
    </message>
    <message>
        <source>the vertical layout holds no segment of non-zero length</source>
        <translation>the vertical layout holds no segment of non-zero length</translation>
    </message>
    <message>
        <source>a segment of no kind cannot be imported; only LINE, CIRCULARARC and CLOTHOID</source>
        <translation>a segment of no kind cannot be imported; only LINE, CIRCULARARC and CLOTHOID</translation>
    </message>
    <message>
        <source>a %1 segment cannot be imported; only LINE, CIRCULARARC and CLOTHOID</source>
        <translation>a %1 segment cannot be imported; only LINE, CIRCULARARC and CLOTHOID</translation>
    </message>
    <message>
        <source>a length unit of %1; only metres (with or without an SI prefix), international feet and US survey feet can be imported</source>
        <translation>a length unit of %1; only metres (with or without an SI prefix), international feet and US survey feet can be imported</translation>
    </message>
    <message>
        <source>unknown size</source>
        <translation>unknown size</translation>
    </message>
    <message>
        <source>a plane angle unit of %1; only radians, degrees and gradians can be imported</source>
        <translation>a plane angle unit of %1; only radians, degrees and gradians can be imported</translation>
    </message>
    <message>
        <source>a vertical segment of no kind cannot be imported; only CONSTANTGRADIENT, PARABOLICARC and CIRCULARARC</source>
        <translation>a vertical segment of no kind cannot be imported; only CONSTANTGRADIENT, PARABOLICARC and CIRCULARARC</translation>
    </message>
    <message>
        <source>a %1 vertical segment cannot be imported; only CONSTANTGRADIENT, PARABOLICARC and CIRCULARARC</source>
        <translation>a %1 vertical segment cannot be imported; only CONSTANTGRADIENT, PARABOLICARC and CIRCULARARC</translation>
    </message>
    <message>
        <source>alignment %1: %2 and %3 meet at station %4 %5; imported as a corner</source>
        <translation>alignment %1: %2 and %3 meet at station %4 %5; imported as a corner</translation>
    </message>
    <message>
        <source>segment %1 (#%2)</source>
        <translation>segment %1 (#%2)</translation>
    </message>
    <message>
        <source>%1 has length 0 and is skipped</source>
        <translation>%1 has length 0 and is skipped</translation>
    </message>
    <message>
        <source>the geometric representation %1 has %2 segments of non-zero length and the design parameters %3; they are not compared</source>
        <translation>the geometric representation %1 has %2 segments of non-zero length and the design parameters %3; they are not compared</translation>
    </message>
    <message>
        <source>%1: its geometric representation %2 starts %3 away, its direction turned %4</source>
        <translation>%1: its geometric representation %2 starts %3 away, its direction turned %4</translation>
    </message>
    <message>
        <source>the referent %1 has a station but no distance along the line; it is not used</source>
        <translation>the referent %1 has a station but no distance along the line; it is not used</translation>
    </message>
    <message>
        <source>lengths in %1METRE converted to metres</source>
        <translation>lengths in %1METRE converted to metres</translation>
    </message>
    <message>
        <source>the file declares no plane angle unit: radians are assumed</source>
        <translation>the file declares no plane angle unit: radians are assumed</translation>
    </message>
    <message>
        <source>the file declares no length unit: metres are assumed</source>
        <translation>the file declares no length unit: metres are assumed</translation>
    </message>
    <message>
        <source>the file declares no units: metres and radians are assumed</source>
        <translation>the file declares no units: metres and radians are assumed</translation>
    </message>
    <message>
        <source>vertical segment %1 (#%2)</source>
        <translation>vertical segment %1 (#%2)</translation>
    </message>
    <message>
        <source>between %1 and %2: a gap of %3 in station, %4 in height and a change of gradient of %5</source>
        <translation>between %1 and %2: a gap of %3 in station, %4 in height and a change of gradient of %5</translation>
    </message>
    <message>
        <source>no point read: the file is empty or its first line is blank; no results file written</source>
        <translation>no point read: the file is empty or its first line is blank; no results file written</translation>
    </message>
    <message>
        <source>the file is no project file: it is empty</source>
        <translation>the file is no project file: it is empty</translation>
    </message>
    <message>
        <source>the project lists no line: add a [line] section</source>
        <translation>the project lists no line: add a [line] section</translation>
    </message>
    <message>
        <source>the file is no project file: it must begin with &quot;%1 %2&quot;, not %3</source>
        <translation>the file is no project file: it must begin with &quot;%1 %2&quot;, not %3</translation>
    </message>
    <message>
        <source>project file version %1 cannot be read: this program reads version %2</source>
        <translation>project file version %1 cannot be read: this program reads version %2</translation>
    </message>
    <message>
        <source>unknown section %1: a project has [line] sections</source>
        <translation>unknown section %1: a project has [line] sections</translation>
    </message>
    <message>
        <source>a project holds at most %1 lines</source>
        <translation>a project holds at most %1 lines</translation>
    </message>
    <message>
        <source>expected &quot;key = value&quot;, [line] or a comment, not %1</source>
        <translation>expected &quot;key = value&quot;, [line] or a comment, not %1</translation>
    </message>
    <message>
        <source>unknown key %1 in a [line] section</source>
        <translation>unknown key %1 in a [line] section</translation>
    </message>
    <message>
        <source>unknown key %1 before the first [line]: only the project&apos;s name stands there</source>
        <translation>unknown key %1 before the first [line]: only the project&apos;s name stands there</translation>
    </message>
    <message>
        <source>%1 is given twice (first on line %2)</source>
        <translation>%1 is given twice (first on line %2)</translation>
    </message>
    <message>
        <source>%1 has no value</source>
        <translation>%1 has no value</translation>
    </message>
    <message>
        <source>%1 and %2 both name the line&apos;s file: give one of jd, elements, landxml and ifc</source>
        <translation>%1 and %2 both name the line&apos;s file: give one of jd, elements, landxml and ifc</translation>
    </message>
    <message>
        <source>%1 is no station: %2 (write 1250.5, B1250.5 or K1+250.5)</source>
        <translation>%1 is no station: %2 (write 1250.5, B1250.5 or K1+250.5)</translation>
    </message>
    <message>
        <source>&quot;max-offset&quot; is no positive length: %1</source>
        <translation>&quot;max-offset&quot; is no positive length: %1</translation>
    </message>
    <message>
        <source>this [line] has no name</source>
        <translation>this [line] has no name</translation>
    </message>
    <message>
        <source>line %1 names no file: give one of jd, elements, landxml and ifc</source>
        <translation>line %1 names no file: give one of jd, elements, landxml and ifc</translation>
    </message>
    <message>
        <source>&quot;dl&quot; goes with jd or elements: a LandXML or IFC file gives its own chain breaks</source>
        <translation>&quot;dl&quot; goes with jd or elements: a LandXML or IFC file gives its own chain breaks</translation>
    </message>
    <message>
        <source>&quot;alignment&quot; goes with landxml or ifc</source>
        <translation>&quot;alignment&quot; goes with landxml or ifc</translation>
    </message>
    <message>
        <source>a line called %1 is given on line %2 already</source>
        <translation>a line called %1 is given on line %2 already</translation>
    </message>
    <message>
        <source>code %1 belongs to line %2 already</source>
        <translation>code %1 belongs to line %2 already</translation>
    </message>
    <message>
        <source>prefix %1 belongs to line %2 already</source>
        <translation>prefix %1 belongs to line %2 already</translation>
    </message>
    <message>
        <source>%1 cannot be written to a project file: %2</source>
        <translation>%1 cannot be written to a project file: %2</translation>
    </message>
    <message>
        <source>line %1: %2%3</source>
        <translation>line %1: %2%3</translation>
    </message>
    <message>
        <source>unknown kind of line</source>
        <translation>unknown kind of line</translation>
    </message>
    <message>
        <source>line %1: &quot;crossfall&quot; needs a profile (give &quot;profile&quot;, or a LandXML alignment with one)</source>
        <translation>line %1: &quot;crossfall&quot; needs a profile (give &quot;profile&quot;, or a LandXML alignment with one)</translation>
    </message>
    <message>
        <source>no station: %1</source>
        <translation>no station: %1</translation>
    </message>
    <message>
        <source>line %1: the station window from %2 to %3 holds none of the line, which runs from %4 to %5</source>
        <translation>line %1: the station window from %2 to %3 holds none of the line, which runs from %4 to %5</translation>
    </message>
    <message>
        <source>line %1 is in %2 and line %3 in %4: the lines of a project share one unit</source>
        <translation>line %1 is in %2 and line %3 in %4: the lines of a project share one unit</translation>
    </message>
    <message>
        <source>two lines of the project would write the same results file %1</source>
        <translation>two lines of the project would write the same results file %1</translation>
    </message>
    <message>
        <source>a line of the project</source>
        <translation>a line of the project</translation>
    </message>
    <message>
        <source>no line of a project is in use</source>
        <translation>no line of a project is in use</translation>
    </message>
    <message>
        <source>the project has no line</source>
        <translation>the project has no line</translation>
    </message>
    <message>
        <source>no project is open</source>
        <translation>no project is open</translation>
    </message>
    <message>
        <source>the project has no such line</source>
        <translation>the project has no such line</translation>
    </message>
    <message>
        <source>a value of the line to export is not a finite number</source>
        <translation>a value of the line to export is not a finite number</translation>
    </message>
    <message>
        <source>this kind of line has no LandXML form</source>
        <translation>this kind of line has no LandXML form</translation>
    </message>
    <message>
        <source>its point</source>
        <translation>its point</translation>
    </message>
    <message>
        <source>its station</source>
        <translation>its station</translation>
    </message>
    <message>
        <source>its design elevation</source>
        <translation>its design elevation</translation>
    </message>
    <message>
        <source>the LandXML written would not give back the line: at station %1 %2 would move by %3; nothing was written</source>
        <translation>the LandXML written would not give back the line: at station %1 %2 would move by %3; nothing was written</translation>
    </message>
    <message>
        <source>the LandXML keeps this as the line has it: %1</source>
        <translation>the LandXML keeps this as the line has it: %1</translation>
    </message>
    <message>
        <source>the cross-fall is not exported: LandXML&apos;s ProfAlign holds the centre line&apos;s profile only</source>
        <translation>the cross-fall is not exported: LandXML&apos;s ProfAlign holds the centre line&apos;s profile only</translation>
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
        <translation>  Project</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>Open project</source>
        <translation>Open project</translation>
    </message>
    <message>
        <source>New project</source>
        <translation>New project</translation>
    </message>
    <message>
        <source>Save project</source>
        <translation>Save project</translation>
    </message>
    <message>
        <source>Close project</source>
        <translation>Close project</translation>
    </message>
    <message>
        <source>No project is open</source>
        <translation>No project is open</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The line in use is not one of the project&apos;s: choose a line to use the project</source>
        <translation>The line in use is not one of the project&apos;s: choose a line to use the project</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Extent</source>
        <translation>Extent</translation>
    </message>
    <message>
        <source>Chain breaks</source>
        <translation>Chain breaks</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>JD table</source>
        <translation>JD table</translation>
    </message>
    <message>
        <source>Element chain</source>
        <translation>Element chain</translation>
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
        <translation>yes</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>%1 (project %2)</source>
        <translation>%1 (project %2)</translation>
    </message>
    <message>
        <source>Line: %1</source>
        <translation>Line: %1</translation>
    </message>
    <message>
        <source>Finished: the point belongs to %1</source>
        <translation>Finished: the point belongs to %1</translation>
    </message>
    <message>
        <source>Finished: the point belongs to %1, but %2 is as near: check it</source>
        <translation>Finished: the point belongs to %1, but %2 is as near: check it</translation>
    </message>
    <message>
        <source>No line of the project holds the point: nothing computed</source>
        <translation>No line of the project holds the point: nothing computed</translation>
    </message>
    <message>
        <source>Finished: %1 points: %2</source>
        <translation>Finished: %1 points: %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>unassigned %1</source>
        <translation>unassigned %1</translation>
    </message>
    <message>
        <source>ambiguous %1</source>
        <translation>ambiguous %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Project %1 opened: %2 lines. %3</source>
        <translation>Project %1 opened: %2 lines. %3</translation>
    </message>
    <message>
        <source>Project saved as %1: %2 lines. %3</source>
        <translation>Project saved as %1: %2 lines. %3</translation>
    </message>
    <message>
        <source>Project saved: %1</source>
        <translation>Project saved: %1</translation>
    </message>
    <message>
        <source>Project closed</source>
        <translation>Project closed</translation>
    </message>
    <message>
        <source>The project could not be opened</source>
        <translation>The project could not be opened</translation>
    </message>
    <message>
        <source>The project could not be saved</source>
        <translation>The project could not be saved</translation>
    </message>
    <message>
        <source>The project could not be created: nothing was saved</source>
        <translation>The project could not be created: nothing was saved</translation>
    </message>
    <message>
        <source>The line could not be used</source>
        <translation>The line could not be used</translation>
    </message>
    <message>
        <source>A project needs at least one line</source>
        <translation>A project needs at least one line</translation>
    </message>
    <message>
        <source>No line has been initialised in the main window</source>
        <translation>No line has been initialised in the main window</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Project name</translation>
    </message>
    <message>
        <source>Add line…</source>
        <translation>Add line…</translation>
    </message>
    <message>
        <source>Add the line in use</source>
        <translation>Add the line in use</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Add a line</source>
        <translation>Add a line</translation>
    </message>
    <message>
        <source>Line file</source>
        <translation>Line file</translation>
    </message>
    <message>
        <source>Chain-break file</source>
        <translation>Chain-break file</translation>
    </message>
    <message>
        <source>Profile file</source>
        <translation>Profile file</translation>
    </message>
    <message>
        <source>Cross-fall file</source>
        <translation>Cross-fall file</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Give the line a name</source>
        <translation>Give the line a name</translation>
    </message>
    <message>
        <source>Choose the line&apos;s file</source>
        <translation>Choose the line&apos;s file</translation>
    </message>
    <message>
        <source>The project has a line of that name</source>
        <translation>The project has a line of that name</translation>
    </message>
    <message>
        <source>unassigned</source>
        <translation>unassigned</translation>
    </message>
    <message>
        <source>ambiguous</source>
        <translation>ambiguous</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>No line holds this point</source>
        <translation>No line holds this point</translation>
    </message>
    <message>
        <source>Line %1, as near as %2</source>
        <translation>Line %1, as near as %2</translation>
    </message>
    <message>
        <source>Finished: the point belongs to %1, but another part of it is as near: check it</source>
        <translation>Finished: the point belongs to %1, but another part of it is as near: check it</translation>
    </message>
    <message>
        <source>Line %1, as near to another part of it</source>
        <translation>Line %1, as near to another part of it</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <source>No such file or directory</source>
        <translation>No such file or directory</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Is a directory</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Not a directory</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>No space left on device</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Read-only file system</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Disk quota exceeded</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Input/output error</translation>
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
        <translation>The point lies before the start of the line: the station and offset are measured along the start&apos;s extension, not from a perpendicular foot</translation>
    </message>
    <message>
        <source>点在线路终点之后：桩号和左距按终点延长线计算，不是垂足的值</source>
        <translation>The point lies after the end of the line: the station and offset are measured along the end&apos;s extension, not from a perpendicular foot</translation>
    </message>
    <message>
        <source>在浏览器中打开本项目的主页，并显示“关于”</source>
        <translation>Opens the project&apos;s home page in the browser, then shows About</translation>
    </message>
    <message>
        <source>起点</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>终点</source>
        <translation>End</translation>
    </message>
    <message>
        <source>  纵 断 面</source>
        <translation>  Profile</translation>
    </message>
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
        <source>纵断面：%1 与当前线路不符（%2）</source>
        <translation>Profile: %1 does not fit the line in use (%2)</translation>
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
        <source>横坡：%1 与当前线路不符（%2）</source>
        <translation>Cross-fall: %1 does not fit the line in use (%2)</translation>
    </message>
    <message>
        <source>无法绘制：%1</source>
        <translation>Cannot draw: %1</translation>
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
    <message>
        <source>打开项目</source>
        <translation>Open project</translation>
    </message>
    <message>
        <source>项目文件(*.vomelproj)|*.vomelproj|所有文件（*.*)|*.*</source>
        <translation>Project files (*.vomelproj)|*.vomelproj|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>保存项目</source>
        <translation>Save project</translation>
    </message>
    <message>
        <source>坐标文件(*.txt;*.xy;*.dat)|*.txt;*.xy;*.dat|所有文件（*.*)|*.*</source>
        <translation>Coordinate files (*.txt;*.xy;*.dat)|*.txt;*.xy;*.dat|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>保存带线路的结果文件</source>
        <translation>Save the results with their lines</translation>
    </message>
    <message>
        <source>平面、积木、LandXML及IFC文件(*.jdx;*.txt;*.ele;*.xml;*.ifc)|*.jdx;*.txt;*.ele;*.xml;*.ifc|所有文件（*.*)|*.*</source>
        <translation>Line files (*.jdx;*.txt;*.ele;*.xml;*.ifc)|*.jdx;*.txt;*.ele;*.xml;*.ifc|All files (*.*)|*.*</translation>
    </message>
</context>
</TS>
