<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<!-- The command line's messages in Chinese; the English texts are those in the code. -->
<context>
    <name>orvane</name>
    <message>
        <source>Usage:
  orvane [CASE.orvane]                     open the calculator windows (and the case)
  orvane batch valve|disc IN.csv [-o OUT.csv] [--defaults] [--keys] [--media FILE]
                                           size every row of a table of cases
  orvane batch valve|disc --template [-o FILE] [--keys]
                                           write a table holding the window&apos;s defaults
  orvane sheet CASE.orvane -o SHEET.pdf|SHEET.odt|- [--project P] [--equipment E] [--tag T]
                                           write the calculation sheet of a case
  orvane --help | --version

batch sizes each row as a case of its own, nothing carried from another row, and reads the table
as data from another program: a number cell holds a number and nothing else (blanks around it and
full-width digits are fine; thousands separators, decimal commas and units are not), or the row is
not sized. A blank cell (or a missing column) of a field the row&apos;s case uses stops the row, naming
it; with --defaults it takes the window&apos;s default and the status lists each default used. The
medium&apos;s properties a row gives are used over the catalogue&apos;s; a medium the catalogue lacks needs
all its properties in the row. Columns are named by key (working_pressure_MPa) or by caption
(工作压力 MPa); any other column (位号, 备注 ...) is passed through unread, and listed once on
standard error. IN is UTF-8 (with or without BOM) or GB18030. OUT holds the columns of IN, the six
results titled by caption and unit (by key with --keys) and a status (完成, or why not); it is
written as UTF-8 with BOM, by default next to IN as IN.out.csv; -o - writes it to standard
output. The template goes to standard output unless -o names a file. The user&apos;s medium library
(the one the windows use) is read; --media names another.

sheet calculates the case again, as Calculate after opening it would, and writes its sheet: ODT when
the output ends in .odt, PDF otherwise; -o - writes the PDF to standard output when that is a file
or a pipe, and is refused on a terminal. The title block is the case&apos;s; --project, --equipment
and --tag are printed over it.

Exit status: 0 every row sized, 1 some rows not sized, 2 a bad file or usage.
</source>
        <translation>用法：
  orvane [案例.orvane]                      打开计算窗口（并打开该案例）
  orvane batch valve|disc 表格.csv [-o 结果.csv] [--defaults] [--keys] [--media 文件]
                                           计算表格中的每一行
  orvane batch valve|disc --template [-o 文件] [--keys]
                                           写出一个含窗口默认值的表格
  orvane sheet 案例.orvane -o 计算书.pdf|计算书.odt|- [--project 工程] [--equipment 设备] [--tag 位号]
                                           写出案例的计算书
  orvane --help | --version

batch 把每一行作为独立的案例计算，不取其他行的任何数值；表格按其他程序的数据严格读取：数值单元格
只能是一个数（前后可有空格，可用全角数字；不能有千位分隔符、小数逗号或单位），否则该行不计算。
本行工况要用的项，其单元格为空（或没有该列）时，该行不计算并指出该项；加 --defaults 则取窗口的
默认值，并在状态中列出所用的每个默认值。行中给出的介质物性优先于物性库；物性库中没有的介质须在
行中给出其全部物性。列名用键（working_pressure_MPa）或窗口上的标题（工作压力 MPa）；其他列（位号、
备注……）原样保留、不读取，并在标准错误输出中列出一次。表格.csv 为 UTF-8（有无 BOM 均可）或
GB18030 编码。结果.csv 含输入表格的各列、六项结果（列名为标题和单位，加 --keys 则为键）和状态
（完成，或未计算的原因），以带 BOM 的 UTF-8 写出，默认写在输入表格旁，名为 表格.out.csv；-o - 写到
标准输出。模板写到标准输出，除非 -o 给出文件名。读取窗口所用的用户物性库；--media 指定另一个物性库文件。

sheet 像打开案例后按“计     算”一样重新计算该案例，并写出其计算书：输出文件名以 .odt 结尾时为 ODT，
否则为 PDF；-o - 在标准输出为文件或管道时把 PDF 写到标准输出，为终端时拒绝。标题栏取自案例；
--project、--equipment 和 --tag 给出的内容优先印出。

退出状态：0 每行都已计算，1 有的行未计算，2 文件有误或用法有误。
</translation>
    </message>
    <message>
        <source>%1 (orvane --help)</source>
        <translation>%1（orvane --help）</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 需要一个文件名</translation>
    </message>
    <message>
        <source>%1 rows sized</source>
        <translation>已计算 %1 行</translation>
    </message>
    <message>
        <source>%1 rows, %2 sized, %3 not sized; written to %4</source>
        <translation>共 %1 行，已计算 %2 行，未计算 %3 行；已写入 %4</translation>
    </message>
    <message>
        <source>--template reads no table: %1</source>
        <translation>--template 不读取表格：%1</translation>
    </message>
    <message>
        <source>--template sizes no table: --defaults</source>
        <translation>--template 不计算表格：--defaults</translation>
    </message>
    <message>
        <source>batch %1 needs a table IN.csv, or --template</source>
        <translation>batch %1 需要一个表格 表格.csv，或 --template</translation>
    </message>
    <message>
        <source>batch needs the window kind, valve or disc</source>
        <translation>batch 需要窗口种类：valve 或 disc</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>no command</source>
        <translation>没有给出命令</translation>
    </message>
    <message>
        <source>one table at a time: %1 and %2</source>
        <translation>一次只能计算一个表格：%1 和 %2</translation>
    </message>
    <message>
        <source>passed through, not read: %1</source>
        <translation>原样保留、未读取的列：%1</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>标准输出</translation>
    </message>
    <message>
        <source>the case gives no calculation to document: %1</source>
        <translation>该案例没有可记入计算书的计算：%1</translation>
    </message>
    <message>
        <source>the output is named twice</source>
        <translation>输出文件给了两次</translation>
    </message>
    <message>
        <source>the output would overwrite the table read, %1</source>
        <translation>输出会覆盖所读取的表格 %1</translation>
    </message>
    <message>
        <source>the sheet would overwrite the case %1</source>
        <translation>计算书会覆盖案例文件 %1</translation>
    </message>
    <message>
        <source>unexpected argument %1 (orvane --help)</source>
        <translation>多余的参数 %1（orvane --help）</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>未知的选项 %1</translation>
    </message>
    <message>
        <source>unknown window kind &quot;%1&quot;: valve or disc</source>
        <translation>未知的窗口种类“%1”：应为 valve 或 disc</translation>
    </message>
    <message>
        <source>usage: orvane sheet CASE.orvane -o SHEET.pdf|SHEET.odt|-</source>
        <translation>用法：orvane sheet 案例.orvane -o 计算书.pdf|计算书.odt|-</translation>
    </message>
    <message>
        <source>no medium library %1</source>
        <translation>没有物性库文件 %1</translation>
    </message>
    <message>
        <source>the medium library %1 cannot be used: %2</source>
        <translation>物性库文件 %1 无法使用：%2</translation>
    </message>
    <message>
        <source>the user&apos;s medium library %1 is damaged and not used: %2</source>
        <translation>用户物性库文件 %1 已损坏，未使用：%2</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 需要一个值</translation>
    </message>
    <message>
        <source>a PDF is not written to a terminal: name a file with -o, or send standard output to a file or another program</source>
        <translation>PDF 不写到终端：请用 -o 给出文件名，或把标准输出转到文件或其他程序</translation>
    </message>
    <message>
        <source>standard output could not be written</source>
        <translation>无法写入标准输出</translation>
    </message>
    <message>
        <source>written with the notice: %1</source>
        <translation>已写出，附提示：%1</translation>
    </message>
    <message>
        <source>columns %1 and %2 both give %3</source>
        <translation>第 %1 列和第 %2 列都给出 %3</translation>
    </message>
    <message>
        <source>columns %1 are results of the calculation, not inputs (only relief_capacity_kg_h and a valve&apos;s opening_pressure_MPa may be given)</source>
        <translation>列 %1 是计算结果，不是输入（只有 relief_capacity_kg_h 和安全阀的 opening_pressure_MPa 可以给出）</translation>
    </message>
    <message>
        <source>column %1 is a result of the calculation, not an input (only relief_capacity_kg_h and a valve&apos;s opening_pressure_MPa may be given)</source>
        <translation>列 %1 是计算结果，不是输入（只有 relief_capacity_kg_h 和安全阀的 opening_pressure_MPa 可以给出）</translation>
    </message>
    <message>
        <source>the file is a workbook, not a table: save it as CSV</source>
        <translation>该文件是工作簿，不是表格：请另存为 CSV</translation>
    </message>
    <message>
        <source>the table cannot be read twice: %1</source>
        <translation>表格无法再次读取：%1</translation>
    </message>
    <message>
        <source>the table is UTF-16 text: save it as CSV (UTF-8, or the Chinese default GB18030)</source>
        <translation>表格是 UTF-16 文本：请另存为 CSV（UTF-8，或中文默认的 GB18030）</translation>
    </message>
    <message>
        <source>the table is empty: it has no header row</source>
        <translation>表格是空的：没有表头行</translation>
    </message>
    <message>
        <source>the table is neither UTF-8 nor GB18030 text</source>
        <translation>表格既不是 UTF-8 也不是 GB18030 文本</translation>
    </message>
    <message>
        <source>the table is not UTF-8 text, and this build of Qt cannot decode GB18030: save it as CSV UTF-8</source>
        <translation>表格不是 UTF-8 文本，而本程序所用的 Qt 不能解码 GB18030：请另存为 CSV UTF-8</translation>
    </message>
    <message>
        <source>line %1: a cell longer than 64 KiB</source>
        <translation>第 %1 行：有单元格超过 64 KiB</translation>
    </message>
    <message>
        <source>line %1: a quote inside a field that does not begin with one</source>
        <translation>第 %1 行：不以引号开头的单元格中有引号</translation>
    </message>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation>第 %1 行：带引号的单元格没有结束的引号</translation>
    </message>
    <message>
        <source>line %1: more than 1024 cells in a row</source>
        <translation>第 %1 行：一行超过 1024 个单元格</translation>
    </message>
    <message>
        <source>line %1: text after the closing quote of a field</source>
        <translation>第 %1 行：单元格结束的引号之后还有文字</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are not set): start Orvane on a graphical desktop, or under a virtual one with &apos;xvfb-run -a orvane&apos;</source>
        <translation>没有显示器（DISPLAY 和 WAYLAND_DISPLAY 都未设置）：请在图形桌面上启动 Orvane，或用 &apos;xvfb-run -a orvane&apos; 在虚拟桌面上启动</translation>
    </message>
    <message>
        <source>cannot open the display &quot;%1&quot;: start Orvane on a graphical desktop, or under a virtual one with &apos;xvfb-run -a orvane&apos;</source>
        <translation>无法打开显示器“%1”：请在图形桌面上启动 Orvane，或用 &apos;xvfb-run -a orvane&apos; 在虚拟桌面上启动</translation>
    </message>
</context>
</TS>
