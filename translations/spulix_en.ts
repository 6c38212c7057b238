<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Spulix 变压器计算器</source>
        <translation>Spulix Transformer Calculator</translation>
    </message>
    <message>
        <source>版本 %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>小型电源变压器设计计算</source>
        <translation>Small mains transformers</translation>
    </message>
    <message>
        <source>版权所有 © Spulix 开发者</source>
        <translation>Copyright © the Spulix developers</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>本软件适用于频率在50HZ-1000W以下的电源变压器</source>
        <translation>For 50 Hz power transformers up to 1000 W</translation>
    </message>
</context>
<context>
    <name>CalcTool</name>
    <message>
        <source>控件</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>符号</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>文本</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>状态栏 %1: %2</source>
        <translation>Status line %1: %2</translation>
    </message>
    <message>
        <source>铁心图 c %1: %2   a %3: %4   h %5: %6</source>
        <translation>Core diagram c %1: %2   a %3: %4   h %5: %6</translation>
    </message>
    <message>
        <source>铁心选型</source>
        <translation>Core selection</translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
    <message>
        <source>铁心选型：无法判断（%1）</source>
        <translation>Core selection: cannot judge (%1)</translation>
    </message>
    <message>
        <source> *最小可用</source>
        <translation> *smallest usable</translation>
    </message>
    <message>
        <source>型号</source>
        <translation>Core</translation>
    </message>
    <message>
        <source>结论</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>实绕</source>
        <translation>Sheet coil</translation>
    </message>
    <message>
        <source>实绕结论</source>
        <translation>Sheet verdict</translation>
    </message>
    <message>
        <source>无</source>
        <translation>none</translation>
    </message>
    <message>
        <source>最小可用铁心：%1</source>
        <translation>Smallest usable core: %1</translation>
    </message>
    <message>
        <source>实绕最小可用铁心：%1</source>
        <translation>Smallest usable core by the winding sheet: %1</translation>
    </message>
    <message>
        <source>线径</source>
        <translation>Diameter</translation>
    </message>
    <message>
        <source>标准线径</source>
        <translation>Standard size</translation>
    </message>
    <message>
        <source>一级漆膜最大外径</source>
        <translation>Grade 1 max. overall</translation>
    </message>
    <message>
        <source>二级漆膜最大外径</source>
        <translation>Grade 2 max. overall</translation>
    </message>
    <message>
        <source>截面积</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>标准漆包线（毫米，截面积为平方毫米）</source>
        <translation>Standard enamelled wire (mm, area in mm²)</translation>
    </message>
    <message>
        <source>消息: %1</source>
        <translation>Message: %1</translation>
    </message>
    <message>
        <source>绕制单：无法计算（%1）</source>
        <translation>Winding sheet: cannot compute (%1)</translation>
    </message>
    <message>
        <source>要买的漆包线</source>
        <translation>Wire to buy</translation>
    </message>
    <message>
        <source>长度</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>重量</source>
        <translation>Mass</translation>
    </message>
    <message>
        <source>说明：</source>
        <translation>Notes:</translation>
    </message>
    <message>
        <source>（%1）</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>最大输出功率 %1 瓦</source>
        <translation>largest output power %1 W</translation>
    </message>
    <message>
        <source>没有能绕得下的功率（%1）</source>
        <translation>no power whose coil fits (%1)</translation>
    </message>
    <message>
        <source>这个铁心能做多大（实际迭厚 %1 毫米）：%2</source>
        <translation>What this core can give (stack as built %1 mm): %2</translation>
    </message>
    <message>
        <source>%1 的直流负载</source>
        <translation>DC load of %1</translation>
    </message>
</context>
<context>
    <name>CoefficientTable</name>
    <message>
        <source>变压器功率系数表</source>
        <translation>Transformer power coefficient</translation>
    </message>
</context>
<context>
    <name>CoilDrawing</name>
    <message>
        <source>%1  %2 层  %3 毫米</source>
        <translation>%1  layers: %2  %3 mm</translation>
    </message>
    <message>
        <source>窗口 c × h = %1 × %2 毫米</source>
        <translation>Window c × h = %1 × %2 mm</translation>
    </message>
    <message>
        <source>线包 %1 毫米（含 1.1 倍鼓胀，虚线）</source>
        <translation>Coil %1 mm (with the 1.1 bulge, dashed)</translation>
    </message>
    <message>
        <source>余 %1 毫米</source>
        <translation>%1 mm to spare</translation>
    </message>
    <message>
        <source>超出 %1 毫米</source>
        <translation>%1 mm too thick</translation>
    </message>
    <message>
        <source>骨架 %1 毫米</source>
        <translation>Bobbin %1 mm</translation>
    </message>
    <message>
        <source>绝缘</source>
        <translation>Insulation</translation>
    </message>
    <message>
        <source>%1 毫米</source>
        <translation>%1 mm</translation>
    </message>
</context>
<context>
    <name>CoreCatalogue</name>
    <message>
        <source>%1 为空</source>
        <translation>%1 is empty</translation>
    </message>
    <message>
        <source>%1“%2”不是数字</source>
        <translation>%1 &quot;%2&quot; is not a number</translation>
    </message>
    <message>
        <source>%1“%2”超出范围</source>
        <translation>%1 &quot;%2&quot; is out of range</translation>
    </message>
    <message>
        <source>%1 必须大于 0</source>
        <translation>%1 must be above 0</translation>
    </message>
    <message>
        <source>%1 不能超过 %2 毫米</source>
        <translation>%1 cannot be above %2 mm</translation>
    </message>
    <message>
        <source>第 %1 行：%2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>型号为空</source>
        <translation>the name is empty</translation>
    </message>
    <message>
        <source>型号含有无效或不可见的字符</source>
        <translation>the name holds invalid or invisible characters</translation>
    </message>
    <message>
        <source>型号超过 %1 个字符</source>
        <translation>the name is longer than %1 characters</translation>
    </message>
    <message>
        <source>表头缺少 tongue_a_mm、window_width_c_mm 或 window_height_h_mm</source>
        <translation>the header lacks tongue_a_mm, window_width_c_mm or window_height_h_mm</translation>
    </message>
    <message>
        <source>只有 %1 列，需要 %2 列</source>
        <translation>only %1 columns, %2 needed</translation>
    </message>
    <message>
        <source>型号“%1”重复</source>
        <translation>the name &quot;%1&quot; is there twice</translation>
    </message>
    <message>
        <source>型号“%1”已经存在</source>
        <translation>the name &quot;%1&quot; is taken already</translation>
    </message>
    <message>
        <source>没有这个铁心</source>
        <translation>there is no such core</translation>
    </message>
    <message>
        <source>标准铁心不能修改</source>
        <translation>standard cores cannot be changed</translation>
    </message>
    <message>
        <source>标准铁心不能删除</source>
        <translation>standard cores cannot be removed</translation>
    </message>
</context>
<context>
    <name>CoreFile</name>
    <message>
        <source>另一个 Spulix 正在修改这个文件，请稍后再试</source>
        <translation>another Spulix is changing this file; try again in a moment</translation>
    </message>
    <message>
        <source>无权在文件旁建立锁文件 %1</source>
        <translation>no permission to create the lock file %1 beside the file</translation>
    </message>
    <message>
        <source>无法建立锁文件 %1</source>
        <translation>cannot create the lock file %1</translation>
    </message>
    <message>
        <source>无法建立文件夹 %1</source>
        <translation>cannot create the folder %1</translation>
    </message>
    <message>
        <source>这不是一个普通文件</source>
        <translation>this is not a regular file</translation>
    </message>
    <message>
        <source>文件超过 %1 MB，不像是铁心列表</source>
        <translation>the file is larger than %1 MB and does not look like a core list</translation>
    </message>
    <message>
        <source>文件是只读的</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>写入失败（%1）</source>
        <translation>writing failed (%1)</translation>
    </message>
    <message>
        <source>无法先把原文件另存为 %1</source>
        <translation>cannot first keep the old file as %1</translation>
    </message>
</context>
<context>
    <name>CoreSelection</name>
    <message>
        <source>输出功率 P2</source>
        <translation>output power P2</translation>
    </message>
    <message>
        <source>输入电压 U1</source>
        <translation>input voltage U1</translation>
    </message>
    <message>
        <source>输出电压 U2</source>
        <translation>output voltage U2</translation>
    </message>
    <message>
        <source>初级外层绝缘 r1</source>
        <translation>primary outer insulation r1</translation>
    </message>
    <message>
        <source>初级层间绝缘 f1</source>
        <translation>primary interlayer insulation f1</translation>
    </message>
    <message>
        <source>次级外层绝缘 r2</source>
        <translation>secondary outer insulation r2</translation>
    </message>
    <message>
        <source>次级层间绝缘 f2</source>
        <translation>secondary interlayer insulation f2</translation>
    </message>
    <message>
        <source>缺少%1</source>
        <translation>missing %1</translation>
    </message>
    <message>
        <source>%1“%2”不是数字</source>
        <translation>%1 &quot;%2&quot; is not a number</translation>
    </message>
    <message>
        <source>%1“%2”超出范围</source>
        <translation>%1 &quot;%2&quot; is out of range</translation>
    </message>
    <message>
        <source>%1 必须大于 0</source>
        <translation>%1 must be above 0</translation>
    </message>
    <message>
        <source>额定功率 P 超过 1000 瓦，无法确定铁心截面积</source>
        <translation>rated power P above 1000 W: no core section for it</translation>
    </message>
    <message>
        <source>计算清空了输出功率 P2</source>
        <translation>the calculation emptied the output power P2</translation>
    </message>
    <message>
        <source>计算中途停止（数值超出范围），没有得出线包厚度 H</source>
        <translation>the calculation stopped (value out of range) without a coil thickness H</translation>
    </message>
    <message>
        <source>可用</source>
        <translation>usable</translation>
    </message>
    <message>
        <source>不可用</source>
        <translation>not usable</translation>
    </message>
    <message>
        <source>慎用</source>
        <translation>with care</translation>
    </message>
    <message>
        <source>迭厚超过舌宽的 2 倍</source>
        <translation>stack over 2 × the tongue</translation>
    </message>
</context>
<context>
    <name>CsvText</name>
    <message>
        <source>引号没有闭合</source>
        <translation>a quote is not closed</translation>
    </message>
    <message>
        <source>引号后面有多余的字符</source>
        <translation>characters after a closing quote</translation>
    </message>
    <message>
        <source>引号只能包住整个单元格</source>
        <translation>quotes may only enclose a whole cell</translation>
    </message>
</context>
<context>
    <name>DesignFile</name>
    <message>
        <source>（第 %1 行第 %2 列）</source>
        <translation> (line %1, column %2)</translation>
    </message>
    <message>
        <source>无法打开（%1）</source>
        <translation>cannot open it (%1)</translation>
    </message>
    <message>
        <source>这不是一个普通文件（可能是文件夹）</source>
        <translation>this is not a regular file (perhaps a folder)</translation>
    </message>
    <message>
        <source>文件太大（约 %1 MB），设计文件不能超过 %2 MB</source>
        <translation>the file is too large (about %1 MB); a design file is at most %2 MB</translation>
    </message>
    <message>
        <source>读取失败（%1）</source>
        <translation>reading failed (%1)</translation>
    </message>
    <message>
        <source>文件是空的</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>文件含有无效的 UTF-8 字符%1</source>
        <translation>the file holds invalid UTF-8%1</translation>
    </message>
    <message>
        <source>文件内容不是有效的 JSON%1</source>
        <translation>the file is not valid JSON%1</translation>
    </message>
    <message>
        <source>文件不完整，内容在结尾处中断</source>
        <translation>the file is incomplete: it breaks off at the end</translation>
    </message>
    <message>
        <source>这不是 Spulix 设计文件</source>
        <translation>this is not a Spulix design file</translation>
    </message>
    <message>
        <source>文件由较新版本的 Spulix 保存（格式版本 %1），本程序只能打开版本 %2 的设计文件，请升级 Spulix</source>
        <translation>the file was saved by a newer Spulix (format version %1); this program opens version %2 only: please update Spulix</translation>
    </message>
    <message>
        <source>文件的格式版本无效</source>
        <translation>the format version of the file is invalid</translation>
    </message>
    <message>
        <source>文件缺少“%1”</source>
        <translation>&quot;%1&quot; is missing from the file</translation>
    </message>
    <message>
        <source>文件中“%1”的类型不对</source>
        <translation>&quot;%1&quot; has the wrong type in the file</translation>
    </message>
    <message>
        <source>写入失败（%1），原有文件保持不变</source>
        <translation>writing failed (%1); the earlier file is unchanged</translation>
    </message>
    <message>
        <source>设计太大（文本太长或附加次级太多），文件会超过 %1 MB 或 %2 个值的上限</source>
        <translation>the design is too large (texts too long or too many extra secondaries): the file would pass the limit of %1 MB or %2 values</translation>
    </message>
    <message>
        <source>文件是只读的，没有改动它</source>
        <translation>the file is read-only and was left unchanged</translation>
    </message>
    <message>
        <source>文件的结构太复杂（嵌套超过 %1 层或多于 %2 个值），不是 Spulix 设计文件%3</source>
        <translation>the file is nested deeper than %1 levels or holds more than %2 values: not a Spulix design file%3</translation>
    </message>
    <message>
        <source>未知错误</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>无法打开设计文件“%1”：%2。</source>
        <translation>Cannot open the design file &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>无法保存设计文件“%1”：%2。</source>
        <translation>Cannot save the design file &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>DesignMessage</name>
    <message>
        <source>请填全数据</source>
        <translation>Please fill in all the data</translation>
    </message>
    <message>
        <source>OK！这只窗口能容得下所有绕组，铁心能用</source>
        <translation>OK! The window holds all the windings; the core can be used</translation>
    </message>
    <message>
        <source>不能用！</source>
        <translation>Cannot be used!</translation>
    </message>
    <message>
        <source>请慎用</source>
        <translation>Use with care</translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
    <message>
        <source>计算提示：%1</source>
        <translation>The calculation said: %1</translation>
    </message>
    <message>
        <source>请输入数字</source>
        <translation>Please enter a number</translation>
    </message>
    <message>
        <source>请输入输入电压！</source>
        <translation>Please enter the input voltage!</translation>
    </message>
    <message>
        <source>请输入输出电压！</source>
        <translation>Please enter the output voltage!</translation>
    </message>
    <message>
        <source>数据已清空！</source>
        <translation>Data cleared!</translation>
    </message>
</context>
<context>
    <name>DesignReport</name>
    <message>
        <source>未知</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source> 毫米</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>符号</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>数值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>铁心是否可用</source>
        <translation>Does the core fit</translation>
    </message>
    <message>
        <source>线包总厚度 H = %1 毫米</source>
        <translation>Total coil thickness H = %1 mm</translation>
    </message>
    <message>
        <source>窗口宽度 c = %1 毫米</source>
        <translation>Window width c = %1 mm</translation>
    </message>
    <message>
        <source>铁心图</source>
        <translation>Core diagram</translation>
    </message>
    <message>
        <source>%1：%2，%3 %4</source>
        <translation>%1: %2, %3 %4</translation>
    </message>
    <message>
        <source>标准铁心与导线</source>
        <translation>Standard core and wires</translation>
    </message>
    <message>
        <source>铁心 %1</source>
        <translation>Core %1</translation>
    </message>
    <message>
        <source>a %1，c %2</source>
        <translation>a %1, c %2</translation>
    </message>
    <message>
        <source>初级导线 d1</source>
        <translation>Primary wire d1</translation>
    </message>
    <message>
        <source>次级导线 d2</source>
        <translation>Secondary wire d2</translation>
    </message>
    <message>
        <source>标称 %1</source>
        <translation>nominal %1</translation>
    </message>
    <message>
        <source>一级漆包外径 %1</source>
        <translation>grade 1 overall %1</translation>
    </message>
    <message>
        <source>二级漆包外径 %1</source>
        <translation>grade 2 overall %1</translation>
    </message>
    <message>
        <source>Spulix 电源变压器设计报告</source>
        <translation>Spulix mains transformer design report</translation>
    </message>
    <message>
        <source>yyyy年M月d日 HH:mm</source>
        <translation>d MMM yyyy HH:mm</translation>
    </message>
    <message>
        <source>（未保存）</source>
        <translation>(not saved)</translation>
    </message>
    <message>
        <source>日期：%1      设计文件：%2</source>
        <translation>Date: %1      Design file: %2</translation>
    </message>
    <message>
        <source>输入（%1 项）</source>
        <translation>Inputs (%1)</translation>
    </message>
    <message>
        <source>计算结果（%1 项）</source>
        <translation>Results (%1)</translation>
    </message>
    <message>
        <source>由 Spulix 生成。所有数值与程序窗口中显示的完全一致。</source>
        <translation>Made by Spulix. Every value is exactly as the program window shows it.</translation>
    </message>
    <message>
        <source>（%1 毫米，1.5 特时不超过 %2 瓦/千克）</source>
        <translation> (%1 mm, ≤ %2 W/kg at 1.5 T)</translation>
    </message>
    <message>
        <source>一</source>
        <translation>1</translation>
    </message>
    <message>
        <source>二</source>
        <translation>2</translation>
    </message>
    <message>
        <source>无</source>
        <translation>none</translation>
    </message>
    <message>
        <source>推荐铁心（按实绕，最小可用）：%1</source>
        <translation>Recommended core (as wound, smallest that fits): %1</translation>
    </message>
    <message>
        <source>绕制单</source>
        <translation>Winding sheet</translation>
    </message>
    <message>
        <source>标准漆包线（带漆膜）整层绕制</source>
        <translation>Standard enamelled wire (with its enamel), wound in whole layers</translation>
    </message>
    <message>
        <source>无法计算绕制单</source>
        <translation>The winding sheet cannot be computed</translation>
    </message>
    <message>
        <source>绕组（由内向外绕制）</source>
        <translation>Windings (wound from the inside out)</translation>
    </message>
    <message>
        <source>线包</source>
        <translation>Coil</translation>
    </message>
    <message>
        <source>绕得下</source>
        <translation>fits</translation>
    </message>
    <message>
        <source>绕不下</source>
        <translation>does not fit</translation>
    </message>
    <message>
        <source>运行估算</source>
        <translation>Running estimates</translation>
    </message>
    <message>
        <source>要买的漆包线</source>
        <translation>Wire to buy</translation>
    </message>
    <message>
        <source>规格</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>长度</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>重量</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>由 Spulix 生成。绕制单按标准漆包线的最大外径与整层绕制计算；铁损、温升为估算，不改变第一页的数值。</source>
        <translation>Made by Spulix. The sheet winds the wires&apos; largest overall diameters in whole layers. Core loss and temperature rise are estimates; page one is unchanged.</translation>
    </message>
    <message>
        <source>以上按传统算法（裸线，层数取整）。</source>
        <translation>The above follows the traditional rule (bare wire, layers rounded).</translation>
    </message>
    <message>
        <source>按绕制单（标准漆包线整层绕制）：绕得下，线包 %1 毫米</source>
        <translation>By the winding sheet (standard enamelled wire in whole layers): fits, coil %1 mm</translation>
    </message>
    <message>
        <source>按绕制单（标准漆包线整层绕制）：绕不下，线包 %1 毫米</source>
        <translation>By the winding sheet (standard enamelled wire in whole layers): does not fit, coil %1 mm</translation>
    </message>
    <message>
        <source>按绕制单：无法计算（%1）</source>
        <translation>By the winding sheet: cannot be computed (%1)</translation>
    </message>
    <message>
        <source>绕制图与负载曲线</source>
        <translation>Coil drawing and load curves</translation>
    </message>
    <message>
        <source>窗口截面（按比例）</source>
        <translation>The window in section (to scale)</translation>
    </message>
    <message>
        <source>从空载到 125% 负载（估算）</source>
        <translation>From no load to 125 % load (estimates)</translation>
    </message>
    <message>
        <source>效率、温升与满载电压按绕制单的公式逐点计算：铁损不随负载变化，铜损与电流的平方成正比；温升为自然冷却的估算。</source>
        <translation>Efficiency, temperature rise and voltage on load follow the winding sheet&apos;s formulas point by point: the iron loss stays, the copper loss goes with the square of the current; the rise is an estimate for natural cooling.</translation>
    </message>
    <message>
        <source>%1 的直流负载</source>
        <translation>DC load of %1</translation>
    </message>
    <message>
        <source>漆膜：%1级</source>
        <translation>Enamel: grade %1</translation>
    </message>
    <message>
        <source>硅钢片：%1</source>
        <translation>Steel: %1</translation>
    </message>
    <message>
        <source>次级1 中心抽头：%1</source>
        <translation>Secondary 1 centre tap: %1</translation>
    </message>
    <message>
        <source>是（整流需要）</source>
        <translation>yes (the rectifier needs it)</translation>
    </message>
    <message>
        <source>是</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>no</translation>
    </message>
    <message>
        <source>附加次级：无</source>
        <translation>Extra secondaries: none</translation>
    </message>
    <message>
        <source>附加次级：%1 组</source>
        <translation>Extra secondaries: %1</translation>
    </message>
    <message>
        <source>实际迭厚：%1 毫米</source>
        <translation>Stack as built: %1 mm</translation>
    </message>
    <message>
        <source>次级匝数按满载电压</source>
        <translation>Secondary turns for the full-load voltage</translation>
    </message>
    <message>
        <source>&#x3000;</source>
        <translation>   </translation>
    </message>
</context>
<context>
    <name>EfficiencyTable</name>
    <message>
        <source>变压器效率表</source>
        <translation>Transformer efficiency</translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>变压器输出功率</source>
        <translation>Output power</translation>
    </message>
    <message>
        <source>瓦(W)</source>
        <translation>W</translation>
    </message>
    <message>
        <source>变压器输入功率</source>
        <translation>Input power</translation>
    </message>
    <message>
        <source>变压器额定功率</source>
        <translation>Rated power</translation>
    </message>
    <message>
        <source>P=（P1+P2）/2</source>
        <translation>P=(P1+P2)/2</translation>
    </message>
    <message>
        <source>铁心截面积</source>
        <translation>Core section</translation>
    </message>
    <message>
        <source>平方厘米</source>
        <translation>cm²</translation>
    </message>
    <message>
        <source>S=K∫P或S=Kc*a*b</source>
        <translation>S=K∫P or S=Kc*a*b</translation>
    </message>
    <message>
        <source>窗口高度</source>
        <translation>Window height</translation>
    </message>
    <message>
        <source>毫米</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>窗口宽度</source>
        <translation>Window width</translation>
    </message>
    <message>
        <source>舌宽</source>
        <translation>Tongue width</translation>
    </message>
    <message>
        <source>迭厚</source>
        <translation>Stack</translation>
    </message>
    <message>
        <source>b=S/（Kc*a）</source>
        <translation>b=S/(Kc*a)</translation>
    </message>
    <message>
        <source>每伏电压应绕匝数</source>
        <translation>Turns per volt</translation>
    </message>
    <message>
        <source>匝/伏</source>
        <translation>turns/V</translation>
    </message>
    <message>
        <source>输入电压</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>伏(V)</source>
        <translation>V</translation>
    </message>
    <message>
        <source>输出电压</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>初级绕组匝数</source>
        <translation>Primary turns</translation>
    </message>
    <message>
        <source>匝</source>
        <translation>turns</translation>
    </message>
    <message>
        <source>次级绕组匝数</source>
        <translation>Secondary turns</translation>
    </message>
    <message>
        <source>初级绕组电流</source>
        <translation>Primary current</translation>
    </message>
    <message>
        <source>安培</source>
        <translation>A</translation>
    </message>
    <message>
        <source>次级绕组电流</source>
        <translation>Secondary current</translation>
    </message>
    <message>
        <source>输入线径：</source>
        <translation>primary:</translation>
    </message>
    <message>
        <source>输出线径：</source>
        <translation>secondary:</translation>
    </message>
    <message>
        <source>铁心窗口的有效高度</source>
        <translation>Usable height</translation>
    </message>
    <message>
        <source>h&apos;=0.9*(h-2毫米)</source>
        <translation>h&apos;=0.9*(h-2 mm)</translation>
    </message>
    <message>
        <source>整个线包总厚度</source>
        <translation>Coil thickness</translation>
    </message>
    <message>
        <source>次级绕组总厚度</source>
        <translation>Sec. thickness</translation>
    </message>
    <message>
        <source>次级绕组需绕层数</source>
        <translation>Secondary layers</translation>
    </message>
    <message>
        <source>层</source>
        <translation>layers</translation>
    </message>
    <message>
        <source>次级绕组每层匝数</source>
        <translation>Sec. turns/layer</translation>
    </message>
    <message>
        <source>初级绕组总厚度</source>
        <translation>Primary thickness</translation>
    </message>
    <message>
        <source>初级绕组需绕层数</source>
        <translation>Primary layers</translation>
    </message>
    <message>
        <source>初级绕组每层匝数</source>
        <translation>Prim. turns/layer</translation>
    </message>
    <message>
        <source>外层绝缘:</source>
        <translation>Outer:</translation>
    </message>
    <message>
        <source>层间绝缘:</source>
        <translation>Layers:</translation>
    </message>
</context>
<context>
    <name>FluxDensityTable</name>
    <message>
        <source>对话框标题</source>
        <translation>Flux density</translation>
    </message>
</context>
<context>
    <name>FullCaption</name>
    <message>
        <source>导线线径（输入线径）</source>
        <translation>Wire diameter (primary)</translation>
    </message>
    <message>
        <source>导线线径（输出线径）</source>
        <translation>Wire diameter (secondary)</translation>
    </message>
    <message>
        <source>初级外层绝缘</source>
        <translation>Primary outer insulation</translation>
    </message>
    <message>
        <source>初级层间绝缘</source>
        <translation>Primary interlayer insulation</translation>
    </message>
    <message>
        <source>次级外层绝缘</source>
        <translation>Secondary outer insulation</translation>
    </message>
    <message>
        <source>次级层间绝缘</source>
        <translation>Secondary interlayer insulation</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>帮助文件</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>关于Spulix</source>
        <translation>About Spulix</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Query</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>选型</source>
        <translation>Parts</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>测试</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>初级绕组绝缘:</source>
        <translation>Primary insulation:</translation>
    </message>
    <message>
        <source>次级绕组绝缘:</source>
        <translation>Secondary insulation:</translation>
    </message>
    <message>
        <source>导线线径</source>
        <translation>Wire Ø</translation>
    </message>
    <message>
        <source>窗口宽度</source>
        <translation>Window width</translation>
    </message>
    <message>
        <source>窗口高度</source>
        <translation>h</translation>
    </message>
    <message>
        <source>舌宽</source>
        <translation>Tongue width</translation>
    </message>
</context>
<context>
    <name>MainWindowCommands</name>
    <message>
        <source>打开设计…</source>
        <translation>Open design…</translation>
    </message>
    <message>
        <source>保存设计</source>
        <translation>Save design</translation>
    </message>
    <message>
        <source>另存为…</source>
        <translation>Save as…</translation>
    </message>
    <message>
        <source>导出报告 (PDF)…</source>
        <translation>Export report (PDF)…</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Tables</translation>
    </message>
    <message>
        <source>计算器</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>变压器效率表...η</source>
        <translation>Efficiency...η</translation>
    </message>
    <message>
        <source>额定功率系数表...K</source>
        <translation>Power coefficient...K</translation>
    </message>
    <message>
        <source>磁通密度表...Bm</source>
        <translation>Flux density...Bm</translation>
    </message>
    <message>
        <source>间隙系数...Kc</source>
        <translation>Stacking factor...Kc</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>？铁心是否可用</source>
        <translation>? Does the core fit</translation>
    </message>
    <message>
        <source>测试</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>标准铁心…</source>
        <translation>Standard cores…</translation>
    </message>
    <message>
        <source>标准漆包线…</source>
        <translation>Standard wires…</translation>
    </message>
    <message>
        <source>绕制单…</source>
        <translation>Winding sheet…</translation>
    </message>
    <message>
        <source>导出绕制图 (SVG)…</source>
        <translation>Export coil drawing (SVG)…</translation>
    </message>
</context>
<context>
    <name>Rectifier</name>
    <message>
        <source>整流计算：%1必须大于 0</source>
        <translation>Rectifier: %1 must be above 0</translation>
    </message>
    <message>
        <source>直流电压</source>
        <translation>DC voltage</translation>
    </message>
    <message>
        <source>按直流负载求绕组电压、电流：%1 轮内未收敛</source>
        <translation>Winding voltage and current for the DC load: no convergence within %1 rounds</translation>
    </message>
    <message>
        <source>整流计算：%1不能小于 0</source>
        <translation>Rectifier: %1 cannot be below 0</translation>
    </message>
    <message>
        <source>整流计算：数值超出范围</source>
        <translation>Rectifier: a value is out of range</translation>
    </message>
    <message>
        <source>直流电流</source>
        <translation>DC current</translation>
    </message>
    <message>
        <source>滤波电容</source>
        <translation>reservoir capacitor</translation>
    </message>
    <message>
        <source>二极管压降</source>
        <translation>diode drop</translation>
    </message>
    <message>
        <source>绕组空载电压</source>
        <translation>winding no-load voltage</translation>
    </message>
    <message>
        <source>绕组电阻</source>
        <translation>winding resistance</translation>
    </message>
    <message>
        <source>初级电阻</source>
        <translation>primary resistance</translation>
    </message>
    <message>
        <source>绕组匝数</source>
        <translation>winding turns</translation>
    </message>
    <message>
        <source>初级匝数</source>
        <translation>primary turns</translation>
    </message>
    <message>
        <source>绕组带不动 %1 安的直流负载：电容电压降到 0</source>
        <translation>The winding cannot carry a DC load of %1 A: the capacitor voltage falls to 0</translation>
    </message>
    <message>
        <source>整流电路在 %1 个半周内未达到稳态</source>
        <translation>The rectifier does not settle within %1 half-cycles</translation>
    </message>
</context>
<context>
    <name>SelectionTables</name>
    <message>
        <source>型号</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>类别</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>a 舌宽</source>
        <translation>a tongue</translation>
    </message>
    <message>
        <source>c 窗宽</source>
        <translation>c window</translation>
    </message>
    <message>
        <source>h 窗高</source>
        <translation>h window</translation>
    </message>
    <message>
        <source>H 线包厚</source>
        <translation>H coil</translation>
    </message>
    <message>
        <source>c−H 余量</source>
        <translation>c−H margin</translation>
    </message>
    <message>
        <source>结论</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>实绕线包厚</source>
        <translation>Wound coil</translation>
    </message>
    <message>
        <source>实绕</source>
        <translation>Wound</translation>
    </message>
    <message>
        <source>标称直径</source>
        <translation>Nominal Ø</translation>
    </message>
    <message>
        <source>一级漆膜最大外径</source>
        <translation>Grade 1 max. overall Ø</translation>
    </message>
    <message>
        <source>二级漆膜最大外径</source>
        <translation>Grade 2 max. overall Ø</translation>
    </message>
    <message>
        <source>截面积 mm²</source>
        <translation>Section mm²</translation>
    </message>
    <message>
        <source>用于</source>
        <translation>For</translation>
    </message>
    <message>
        <source>迭厚/舌宽</source>
        <translation>b/a</translation>
    </message>
</context>
<context>
    <name>SelectionWindows</name>
    <message>
        <source>标准铁心</source>
        <translation>Standard cores</translation>
    </message>
    <message>
        <source>标准漆包线</source>
        <translation>Standard enamelled wires</translation>
    </message>
    <message>
        <source>绕制单</source>
        <translation>Winding sheet</translation>
    </message>
</context>
<context>
    <name>StackingTable</name>
    <message>
        <source>对话框标题</source>
        <translation>Stacking factor</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <source>文件或文件夹不存在</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>没有权限</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>磁盘已满</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>文件系统是只读的</source>
        <translation>the file system is read-only</translation>
    </message>
    <message>
        <source>这是一个文件夹</source>
        <translation>this is a folder</translation>
    </message>
    <message>
        <source>文件太大</source>
        <translation>file too large</translation>
    </message>
    <message>
        <source>路径中有一级不是文件夹</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>符号链接太多或首尾相连</source>
        <translation>too many symbolic links, or a loop</translation>
    </message>
</context>
<context>
    <name>WindingSheet</name>
    <message>
        <source>电压（伏）</source>
        <translation>Voltage (V)</translation>
    </message>
    <message>
        <source>负载电流（安）</source>
        <translation>Load current (A)</translation>
    </message>
    <message>
        <source>匝数</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>抽头（匝）</source>
        <translation>Tap (turn)</translation>
    </message>
    <message>
        <source>计算线径（毫米）</source>
        <translation>Calculated d (mm)</translation>
    </message>
    <message>
        <source>标准漆包线（毫米）</source>
        <translation>Standard wire (mm)</translation>
    </message>
    <message>
        <source>最大外径（毫米）</source>
        <translation>Max. overall (mm)</translation>
    </message>
    <message>
        <source>每层匝数</source>
        <translation>Turns per layer</translation>
    </message>
    <message>
        <source>层数</source>
        <translation>Layers</translation>
    </message>
    <message>
        <source>末层匝数</source>
        <translation>Turns in last layer</translation>
    </message>
    <message>
        <source>厚度（毫米）</source>
        <translation>Thickness (mm)</translation>
    </message>
    <message>
        <source>平均匝长（毫米）</source>
        <translation>Mean turn (mm)</translation>
    </message>
    <message>
        <source>线长（米，每股）</source>
        <translation>Wire length (m, per strand)</translation>
    </message>
    <message>
        <source>铜重（克）</source>
        <translation>Copper (g)</translation>
    </message>
    <message>
        <source>R20（欧）</source>
        <translation>R20 (Ω)</translation>
    </message>
    <message>
        <source>R75（欧）</source>
        <translation>R75 (Ω)</translation>
    </message>
    <message>
        <source>铜损（瓦）</source>
        <translation>Copper loss (W)</translation>
    </message>
    <message>
        <source>空载电压（伏）</source>
        <translation>No-load voltage (V)</translation>
    </message>
    <message>
        <source>满载电压（伏）</source>
        <translation>Full-load voltage (V)</translation>
    </message>
    <message>
        <source>绕组</source>
        <translation>Winding</translation>
    </message>
    <message>
        <source>绕制单（一级漆膜，硅钢片 %1，标准漆包线整层绕制）</source>
        <translation>Winding sheet (grade 1 enamel, steel %1, standard enamelled wire in whole layers)</translation>
    </message>
    <message>
        <source>绕制单（二级漆膜，硅钢片 %1，标准漆包线整层绕制）</source>
        <translation>Winding sheet (grade 2 enamel, steel %1, standard enamelled wire in whole layers)</translation>
    </message>
    <message>
        <source>绕得下，余 %1 毫米</source>
        <translation>fits, %1 mm to spare</translation>
    </message>
    <message>
        <source>绕不下，超出 %1 毫米</source>
        <translation>does not fit, %1 mm too thick</translation>
    </message>
    <message>
        <source>线包厚度 %1 毫米（骨架与绕组 %2 毫米 × 1.1），窗口宽度 c %3 毫米：%4</source>
        <translation>Coil thickness %1 mm (bobbin and windings %2 mm × 1.1), window width c %3 mm: %4</translation>
    </message>
    <message>
        <source>超过 20 安，无标准规格</source>
        <translation>above 20 A, no standard rating</translation>
    </message>
    <message>
        <source>T%1（慢熔，%2 安）</source>
        <translation>T%1 (time-lag, %2 A)</translation>
    </message>
    <message>
        <source>总输出功率</source>
        <translation>Total output power</translation>
    </message>
    <message>
        <source>%1 瓦</source>
        <translation>%1 W</translation>
    </message>
    <message>
        <source>铁心重量</source>
        <translation>Core mass</translation>
    </message>
    <message>
        <source>%1 克</source>
        <translation>%1 g</translation>
    </message>
    <message>
        <source>磁通密度</source>
        <translation>Flux density</translation>
    </message>
    <message>
        <source>%1 特</source>
        <translation>%1 T</translation>
    </message>
    <message>
        <source>铁损</source>
        <translation>Iron loss</translation>
    </message>
    <message>
        <source>%1 瓦（估算）</source>
        <translation>%1 W (estimate)</translation>
    </message>
    <message>
        <source>铜损</source>
        <translation>Copper loss</translation>
    </message>
    <message>
        <source>效率</source>
        <translation>Efficiency</translation>
    </message>
    <message>
        <source>散热面积</source>
        <translation>Cooling surface</translation>
    </message>
    <message>
        <source>%1 平方厘米</source>
        <translation>%1 cm²</translation>
    </message>
    <message>
        <source>温升</source>
        <translation>Temperature rise</translation>
    </message>
    <message>
        <source>%1 开（自然冷却的估算）</source>
        <translation>%1 K (est., natural cooling)</translation>
    </message>
    <message>
        <source>初级保险丝</source>
        <translation>Primary fuse</translation>
    </message>
    <message>
        <source>%1 毫米</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>%1 米</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>推荐铁心：%1</source>
        <translation>Recommended core: %1</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>请先输入 %1</source>
        <translation>Enter %1 first</translation>
    </message>
    <message>
        <source>缺少%1，请先计算（刷新）</source>
        <translation>%1 is missing: calculate first (Refresh)</translation>
    </message>
    <message>
        <source>%1“%2”不是数字</source>
        <translation>%1 &quot;%2&quot; is not a number</translation>
    </message>
    <message>
        <source>%1 必须大于 0</source>
        <translation>%1 must be above 0</translation>
    </message>
    <message>
        <source>%1 不能小于 0</source>
        <translation>%1 cannot be below 0</translation>
    </message>
    <message>
        <source>%1 不是整数</source>
        <translation>%1 is not a whole number</translation>
    </message>
    <message>
        <source>%1 的电压</source>
        <translation>%1 voltage</translation>
    </message>
    <message>
        <source>%1 的电流</source>
        <translation>%1 current</translation>
    </message>
    <message>
        <source>计算中途停止（数值超出范围），没有得出线包厚度 H</source>
        <translation>The calculation stopped (value out of range) without a coil thickness H</translation>
    </message>
    <message>
        <source>一级</source>
        <translation>grade 1</translation>
    </message>
    <message>
        <source>二级</source>
        <translation>grade 2</translation>
    </message>
    <message>
        <source>%1：线径“%2”不是大于 0 的数字</source>
        <translation>%1: wire diameter &quot;%2&quot; is not a number above 0</translation>
    </message>
    <message>
        <source>%1：线径 %2 毫米没有合适的标准漆包线（并绕超过 %3 股）</source>
        <translation>%1: no standard enamelled wire for %2 mm (more than %3 strands)</translation>
    </message>
    <message>
        <source>额定功率 P 超过 1000 瓦，无法确定铁心截面积</source>
        <translation>Rated power P above 1000 W: no core section for it</translation>
    </message>
    <message>
        <source>%1：匝数为 0，电压太低</source>
        <translation>%1: 0 turns, the voltage is too low</translation>
    </message>
    <message>
        <source>还没有铁心：请先选用铁心或输入 h、c、a</source>
        <translation>No core yet: choose a core or enter h, c and a</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>漆膜等级只能是一级或二级</source>
        <translation>The enamel grade can only be 1 or 2</translation>
    </message>
    <message>
        <source>没有硅钢片牌号“%1”</source>
        <translation>No steel grade &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1：漆包线 %2 没有外径数据</source>
        <translation>%1: no overall diameter for enamelled wire %2</translation>
    </message>
    <message>
        <source>漆包线 %1 没有外径数据，按下一规格 %2 的%3漆膜最大外径 %4 计（上限）</source>
        <translation>Enamelled wire %1 has no overall diameter: the %3 maximum of the next size %2, %4, is used (upper bound)</translation>
    </message>
    <message>
        <source>%1：线径 %2 超过最大规格 %3，用 %4 股 %5 并绕</source>
        <translation>%1: diameter %2 is above the largest size %3: %4 strands of %5 side by side</translation>
    </message>
    <message>
        <source>%1：窗口有效高度 h&apos; 太低，一层绕不下一匝</source>
        <translation>%1: the effective window height h&apos; is too low for one turn per layer</translation>
    </message>
    <message>
        <source>初级</source>
        <translation>Primary</translation>
    </message>
    <message>
        <source>次级%1</source>
        <translation>Secondary %1</translation>
    </message>
    <message>
        <source>实际迭厚</source>
        <translation>the stack as built</translation>
    </message>
    <message>
        <source>匝数按实际迭厚 %1 毫米（截面积 %2 平方厘米）计算，与主窗口按计算迭厚 %3 毫米得出的匝数不同</source>
        <translation>The turns follow the stack as built, %1 mm (section %2 cm²), and differ from the main window&apos;s, which follow the calculated stack of %3 mm</translation>
    </message>
    <message>
        <source>迭厚 %1 毫米超过舌宽 %2 毫米的 2 倍，这样高的骨架少见：宜选舌宽更大的铁心</source>
        <translation>The stack of %1 mm is more than 2 × the tongue of %2 mm; bobbins that tall are rare: choose a core with a wider tongue</translation>
    </message>
    <message>
        <source>线包放得下，但算出的迭厚都超过舌宽的 2 倍：请填写实际迭厚</source>
        <translation>the coil fits, but every calculated stack is more than 2 × the tongue: enter the stack as built</translation>
    </message>
    <message>
        <source>任何功率下线包都放不进窗口 c %1 毫米：对 U1、U2 和这些绝缘来说窗口太窄</source>
        <translation>at no power does the coil fit the window c of %1 mm: the window is too narrow for U1, U2 and this insulation</translation>
    </message>
    <message>
        <source>请先输入 U1 和 U2</source>
        <translation>enter U1 and U2 first</translation>
    </message>
    <message>
        <source>未填的绝缘按 0 计：%1（常用值：层间约 0.05 毫米聚酯薄膜，绕组外 0.1～0.2 毫米绝缘纸或薄膜，据常见的小型变压器绕制资料）</source>
        <translation>Insulation left empty counts as 0: %1 (typical values: about 0.05 mm of polyester film between layers, 0.1 to 0.2 mm of insulating paper or film outside a winding, from common small-transformer winding guides)</translation>
    </message>
    <message>
        <source>主窗口的计算结果比输入旧（改过的输入还没有重新计算）：绕制单按这些旧结果绕制，请先刷新</source>
        <translation>The main window&apos;s results are older than its inputs (an input changed without a new calculation): the sheet winds these old results; refresh first</translation>
    </message>
    <message>
        <source>无（目录里没有绕得下的铁心：可添加更大的自定义铁心，或改用一级漆膜、更薄的绝缘）</source>
        <translation>none (no core of the catalogue takes the coil: add a larger core of your own, or use grade 1 enamel or thinner insulation)</translation>
    </message>
    <message>
        <source>%1：不是直流负载</source>
        <translation>%1: not a DC load</translation>
    </message>
    <message>
        <source>%1 的直流电压</source>
        <translation>the DC voltage of %1</translation>
    </message>
    <message>
        <source>%1 的直流电流</source>
        <translation>the DC current of %1</translation>
    </message>
    <message>
        <source>%1 的滤波电容</source>
        <translation>the reservoir capacitor of %1</translation>
    </message>
    <message>
        <source>%1 的二极管压降</source>
        <translation>the diode drop of %1</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>按直流负载求 U2、P2：目录中没有铁心绕得下</source>
        <translation>U2 and P2 for the DC load: no core of the catalogue takes the coil</translation>
    </message>
    <message>
        <source>全波</source>
        <translation>full-wave</translation>
    </message>
    <message>
        <source>正负</source>
        <translation>split ±</translation>
    </message>
    <message>
        <source>桥式</source>
        <translation>bridge</translation>
    </message>
    <message>
        <source>（默认）</source>
        <translation> (default)</translation>
    </message>
    <message>
        <source>直流负载</source>
        <translation>DC load</translation>
    </message>
    <message>
        <source>%1整流，%2 伏 %3 安</source>
        <translation>%1 rectifier, %2 V %3 A</translation>
    </message>
    <message>
        <source>滤波电容</source>
        <translation>Reservoir capacitor</translation>
    </message>
    <message>
        <source>%1 微法%2</source>
        <translation>%1 µF%2</translation>
    </message>
    <message>
        <source>二极管压降</source>
        <translation>Diode drop</translation>
    </message>
    <message>
        <source>%1 伏%2</source>
        <translation>%1 V%2</translation>
    </message>
    <message>
        <source>整流结果</source>
        <translation>Rectifier</translation>
    </message>
    <message>
        <source>满载直流电压</source>
        <translation>DC voltage at full load</translation>
    </message>
    <message>
        <source>%1 伏</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>纹波（峰峰值）</source>
        <translation>Ripple (peak to peak)</translation>
    </message>
    <message>
        <source>峰值电流</source>
        <translation>Peak current</translation>
    </message>
    <message>
        <source>%1 安</source>
        <translation>%1 A</translation>
    </message>
    <message>
        <source>导通角</source>
        <translation>Conduction angle</translation>
    </message>
    <message>
        <source>%1°</source>
        <translation>%1°</translation>
    </message>
    <message>
        <source>绕组电流有效值</source>
        <translation>Winding RMS current</translation>
    </message>
    <message>
        <source>有效值倍数 Iw/Idc</source>
        <translation>RMS factor Iw/Idc</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>未计漏感：实际直流电压略低，充电脉冲略宽</source>
        <translation>Leakage inductance is not modelled: the real DC voltage is a little lower and the charging pulses a little wider</translation>
    </message>
    <message>
        <source>所有次级的总输出功率</source>
        <translation>the total output power of all secondaries</translation>
    </message>
    <message>
        <source>%1 %2 匝（主窗口 %3 匝）</source>
        <translation>%1 %2 turns (main window %3)</translation>
    </message>
    <message>
        <source>按满载电压定匝数：%1，满载时达到所要的电压，与主窗口的匝数不同</source>
        <translation>Turns for the full-load voltage: %1 reach the voltage asked at full load; they differ from the main window&apos;s</translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 满载电压 %2 伏，比所要的 %3 伏低 %4%：可选“按满载电压定匝数”</source>
        <translation>%1 gives %2 V at full load, under the %3 V asked by %4%: choose “Turns for the full-load voltage”</translation>
    </message>
    <message>
        <source>%1超出范围</source>
        <translation>%1 is out of range</translation>
    </message>
    <message>
        <source>%1 伏绕组的匝数</source>
        <translation>the turns of a %1 V winding</translation>
    </message>
    <message>
        <source>电流 %1 安的线径</source>
        <translation>the wire for %1 A</translation>
    </message>
    <message>
        <source>初级匝数（%1）</source>
        <translation>the primary turns (%1)</translation>
    </message>
    <message>
        <source>实际迭厚 %1 毫米的匝数</source>
        <translation>the turns for a stack as built of %1 mm</translation>
    </message>
    <message>
        <source>%1每层匝数</source>
        <translation>the turns per layer of %1</translation>
    </message>
    <message>
        <source>线包厚度</source>
        <translation>the coil thickness</translation>
    </message>
    <message>
        <source>%1的匝长、铜重或电压</source>
        <translation>the turn length, copper mass or voltage of %1</translation>
    </message>
    <message>
        <source>%1（未计入读不出的次级：%2）</source>
        <translation>%1 (without the secondaries that do not read: %2)</translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
    <message>
        <source>请输入 P2（变压器输出功率）：额定功率超过 1000 瓦时主窗口会清空 P2，P2 最大约 %1 瓦</source>
        <translation>enter P2 (output power): the main window empties P2 when the rated power is over 1000 W; P2 can be at most about %1 W</translation>
    </message>
    <message>
        <source>无（这个设计还算不出绕制单）</source>
        <translation>none (this design gives no winding sheet yet)</translation>
    </message>
</context>
<context>
    <name>spulix::CoreEditDialog</name>
    <message>
        <source>型号：</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>舌宽 a（毫米）：</source>
        <translation>Tongue width a (mm):</translation>
    </message>
    <message>
        <source>窗口宽度 c（毫米）：</source>
        <translation>Window width c (mm):</translation>
    </message>
    <message>
        <source>窗口高度 h（毫米）：</source>
        <translation>Window height h (mm):</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>spulix::CoreRatingBox</name>
    <message>
        <source>按此功率设计</source>
        <translation>Design at this power</translation>
    </message>
    <message>
        <source>把这只铁心填入主窗口，输出功率 P2 设为最大值，绕制单按实际迭厚绕制</source>
        <translation>Put this core into the main window and set the output power P2 to the largest; the sheet winds on the stack as built</translation>
    </message>
    <message>
        <source>主窗口的铁心</source>
        <translation>The main window&apos;s core</translation>
    </message>
    <message>
        <source>按计算迭厚</source>
        <translation>on the calculated stack</translation>
    </message>
    <message>
        <source>实际迭厚 %1 毫米</source>
        <translation>stack as built %1 mm</translation>
    </message>
    <message>
        <source>最大输出功率 %1 瓦（%2）</source>
        <translation>Largest output power %1 W (%2)</translation>
    </message>
    <message>
        <source>没有能绕得下的功率：%1</source>
        <translation>No power whose coil fits: %1</translation>
    </message>
    <message>
        <source>这个铁心能做多大：</source>
        <translation>What this core can give:</translation>
    </message>
    <message>
        <source>主窗口还没有铁心</source>
        <translation>The main window has no core yet</translation>
    </message>
</context>
<context>
    <name>spulix::CoreTableModel</name>
    <message>
        <source>标准</source>
        <translation>standard</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>own</translation>
    </message>
    <message>
        <source>可用 ★最小</source>
        <translation>fits ★smallest</translation>
    </message>
    <message>
        <source>可用</source>
        <translation>fits</translation>
    </message>
    <message>
        <source>不可用</source>
        <translation>does not fit</translation>
    </message>
    <message>
        <source>不可用（%1）</source>
        <translation>does not fit (%1)</translation>
    </message>
</context>
<context>
    <name>spulix::CoreWindow</name>
    <message>
        <source>无法判断：%1。</source>
        <translation>Cannot judge: %1.</translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
    <message>
        <source>当前设计的线包能放进 %1 种铁心，最小的是 %2（舌宽最窄，其次窗口最小）。</source>
        <translation>The design&apos;s coil fits %1 cores; the smallest is %2 (narrowest tongue, then smallest window). </translation>
    </message>
    <message>
        <source>当前设计的线包放不进任何一种铁心。</source>
        <translation>The design&apos;s coil fits no core. </translation>
    </message>
    <message>
        <source>按实绕（标准漆包线带漆膜、整层绕制）最小可用的是 %1（★），与上面不同。</source>
        <translation>As actually wound (standard enamelled wire, whole layers) the smallest that fits is %1 (★), not the same.</translation>
    </message>
    <message>
        <source>按实绕（标准漆包线带漆膜、整层绕制）最小可用的是 %1（★）。</source>
        <translation>As actually wound (standard enamelled wire, whole layers) the smallest that fits is %1 (★).</translation>
    </message>
    <message>
        <source>按实绕（标准漆包线带漆膜、整层绕制）也是它（★）。</source>
        <translation>As actually wound (standard enamelled wire, whole layers) it is the same (★).</translation>
    </message>
    <message>
        <source>按实绕（标准漆包线带漆膜、整层绕制）没有一种铁心绕得下。</source>
        <translation>As actually wound (standard enamelled wire, whole layers) no core takes the coil.</translation>
    </message>
    <message>
        <source>无法读取自定义铁心文件 %1：%2。为免丢失其中的数据，这次不能添加、修改或删除自定义铁心。</source>
        <translation>Cannot read your core file %1: %2. So that its data is not lost, your cores cannot be added, edited or removed this time.</translation>
    </message>
    <message>
        <source>自定义铁心文件 %1 有 %2 行没有读入，其余各行已读入：</source>
        <translation>Your core file %1 has %2 rows that were not read; the other rows were:</translation>
    </message>
    <message>
        <source>文件保持原样；您添加、修改或删除自定义铁心时才会重写它，重写前原文件另存为 .bak。</source>
        <translation>The file is left as it is; it is written again only when you add, edit or remove a core, and the old file is kept as .bak first.</translation>
    </message>
    <message>
        <source>无法读取自定义铁心文件 %1：%2。这次更改没有生效。</source>
        <translation>Cannot read your core file %1: %2. This change was not made.</translation>
    </message>
    <message>
        <source>无法保存自定义铁心到 %1：%2。这次更改没有生效。</source>
        <translation>Cannot save your cores to %1: %2. This change was not made.</translation>
    </message>
    <message>
        <source>原来有错误的自定义铁心文件已另存为 %1。</source>
        <translation>The old core file with errors was kept as %1.</translation>
    </message>
    <message>
        <source>添加自定义铁心</source>
        <translation>Add your own core</translation>
    </message>
    <message>
        <source>修改自定义铁心</source>
        <translation>Edit your core</translation>
    </message>
    <message>
        <source>标准铁心不能删除。</source>
        <translation>Standard cores cannot be removed.</translation>
    </message>
    <message>
        <source>删除自定义铁心“%1”？</source>
        <translation>Remove your core &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>标准铁心为常见的无废料 EI 冲片（c = a/2，h = 1.5a），尺寸取自公开的冲片表，可信度中等，请以所购冲片为准。</source>
        <translation>Standard cores are the common scrapless EI laminations (c = a/2, h = 1.5a); dimensions from published lamination tables, medium confidence: check them against the laminations you buy.</translation>
    </message>
    <message>
        <source>使用</source>
        <translation>Use</translation>
    </message>
    <message>
        <source>把这只铁心的 h、c、a 填入主窗口并重新计算</source>
        <translation>Put this core&apos;s h, c and a into the main window and calculate again</translation>
    </message>
    <message>
        <source>添加…</source>
        <translation>Add…</translation>
    </message>
    <message>
        <source>修改…</source>
        <translation>Edit…</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>spulix::DcLoadEditor</name>
    <message>
        <source>次级1 的负载：</source>
        <translation>Load of Secondary 1:</translation>
    </message>
    <message>
        <source>Udc（伏）</source>
        <translation>Udc (V)</translation>
    </message>
    <message>
        <source>Idc（安）</source>
        <translation>Idc (A)</translation>
    </message>
    <message>
        <source>C（微法）</source>
        <translation>C (µF)</translation>
    </message>
    <message>
        <source>Vf（伏）</source>
        <translation>Vf (V)</translation>
    </message>
    <message>
        <source>按直流负载设定 U2、P2</source>
        <translation>Set U2 and P2 for the DC load</translation>
    </message>
    <message>
        <source>把求得的 U2 和 P2 填入主窗口并重新计算</source>
        <translation>Put the U2 and P2 found into the main window and calculate</translation>
    </message>
    <message>
        <source>交流</source>
        <translation>AC</translation>
    </message>
    <message>
        <source>桥式</source>
        <translation>bridge</translation>
    </message>
    <message>
        <source>全波</source>
        <translation>full-wave</translation>
    </message>
    <message>
        <source>正负</source>
        <translation>split ±</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>default</translation>
    </message>
    <message>
        <source>0.8</source>
        <translation>0.8</translation>
    </message>
    <message>
        <source>交流负载：U2 与 P2 按主窗口填写的计算</source>
        <translation>AC load: U2 and P2 as typed in the main window</translation>
    </message>
    <message>
        <source>求得 U2 = %1 伏，P2 = %2 瓦（铁心 %3，%4 轮）</source>
        <translation>Found U2 = %1 V, P2 = %2 W (core %3, %4 rounds)</translation>
    </message>
</context>
<context>
    <name>spulix::DesignFileCommands</name>
    <message>
        <source>当前设计还没有保存。要先保存吗？</source>
        <translation>The design has not been saved. Save it first?</translation>
    </message>
    <message>
        <source>设计“%1”已修改。要先保存吗？</source>
        <translation>The design &quot;%1&quot; has changed. Save it first?</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>打开设计</source>
        <translation>Open design</translation>
    </message>
    <message>
        <source>Spulix 设计 (*.spulix)</source>
        <translation>Spulix designs (*.spulix)</translation>
    </message>
    <message>
        <source>保存设计</source>
        <translation>Save design</translation>
    </message>
    <message>
        <source>导出报告</source>
        <translation>Export report</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>未命名.spulix</source>
        <translation>untitled.spulix</translation>
    </message>
    <message>
        <source>已保存 %1</source>
        <translation>Saved %1</translation>
    </message>
    <message>
        <source>设计报告.pdf</source>
        <translation>design report.pdf</translation>
    </message>
    <message>
        <source>报告已导出 %1</source>
        <translation>Report exported: %1</translation>
    </message>
    <message>
        <source>无法生成 PDF</source>
        <translation>the PDF could not be made</translation>
    </message>
    <message>
        <source>无法导出报告“%1”：%2。</source>
        <translation>Cannot export the report &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>导出绕制图</source>
        <translation>Export coil drawing</translation>
    </message>
    <message>
        <source>SVG 图 (*.svg)</source>
        <translation>SVG drawing (*.svg)</translation>
    </message>
    <message>
        <source>绕制图.svg</source>
        <translation>coil-drawing.svg</translation>
    </message>
    <message>
        <source>无法导出绕制图：没有绕制单（%1）。</source>
        <translation>Cannot export the coil drawing: there is no winding sheet (%1).</translation>
    </message>
    <message>
        <source>无法导出绕制图“%1”：%2。</source>
        <translation>Cannot export the coil drawing &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>绕制图已导出 %1</source>
        <translation>Coil drawing exported: %1</translation>
    </message>
</context>
<context>
    <name>spulix::LoadCurveView</name>
    <message>
        <source>效率（%）</source>
        <translation>Efficiency (%)</translation>
    </message>
    <message>
        <source>温升（开，自然冷却估算）</source>
        <translation>Temperature rise (K, natural cooling, estimate)</translation>
    </message>
    <message>
        <source>次级电压（额定电压的 %）</source>
        <translation>Secondary voltage (% of rated)</translation>
    </message>
    <message>
        <source>负载（各次级额定电流的 %）</source>
        <translation>Load (% of each secondary&apos;s rated current)</translation>
    </message>
    <message>
        <source>%1（直流）</source>
        <translation>%1 (DC)</translation>
    </message>
</context>
<context>
    <name>spulix::RectifierPlot</name>
    <message>
        <source>整流后的绕组电动势</source>
        <translation>Winding EMF, rectified</translation>
    </message>
    <message>
        <source>电容电压</source>
        <translation>Capacitor voltage</translation>
    </message>
    <message>
        <source>充电电流</source>
        <translation>Charging current</translation>
    </message>
</context>
<context>
    <name>spulix::SheetWindow</name>
    <message>
        <source>%1：</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>要买的漆包线</source>
        <translation>Wire to buy</translation>
    </message>
    <message>
        <source>长度</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>重量</source>
        <translation>Mass</translation>
    </message>
    <message>
        <source>说明：</source>
        <translation>Notes:</translation>
    </message>
    <message>
        <source>次级1 带中心抽头</source>
        <translation>Centre tap on secondary 1</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Choices</translation>
    </message>
    <message>
        <source>漆包线漆膜：</source>
        <translation>Wire enamel:</translation>
    </message>
    <message>
        <source>硅钢片牌号：</source>
        <translation>Steel grade:</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>再加一个次级绕组</source>
        <translation>Add one more secondary winding</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>其他次级</source>
        <translation>More secondaries</translation>
    </message>
    <message>
        <source>使用推荐铁心</source>
        <translation>Use recommended core</translation>
    </message>
    <message>
        <source>把推荐铁心的 h、c、a 填入主窗口并重新计算，与标准铁心窗口的“使用”相同</source>
        <translation>Puts the recommended core&apos;s h, c and a into the main window and calculates again, as Use in the standard cores window does</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>一级（薄漆膜）</source>
        <translation>Grade 1 (thin enamel)</translation>
    </message>
    <message>
        <source>二级（厚漆膜）</source>
        <translation>Grade 2 (thick enamel)</translation>
    </message>
    <message>
        <source>电压（伏）</source>
        <translation>Voltage (V)</translation>
    </message>
    <message>
        <source>电流（安）</source>
        <translation>Current (A)</translation>
    </message>
    <message>
        <source>中心抽头</source>
        <translation>Centre tap</translation>
    </message>
    <message>
        <source>无法计算绕制单：%1</source>
        <translation>No winding sheet: %1</translation>
    </message>
    <message>
        <source>铁心实际迭的厚度（毫米）；填写后绕制单按它计算匝数</source>
        <translation>The thickness of the core&apos;s stack as built (mm); the sheet then counts its turns on it</translation>
    </message>
    <message>
        <source>实际迭厚（毫米）：</source>
        <translation>Stack as built (mm):</translation>
    </message>
    <message>
        <source>按计算值</source>
        <translation>as calculated</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>主窗口的“铁心是否可用”按传统算法（裸线，层数取整），这里按标准漆包线的外径整层绕制，两者可能不同。</source>
        <translation>The main window&apos;s core fit check follows the traditional rule (bare wire, layers rounded); this sheet winds standard enamelled wire by its overall diameter in whole layers, so the two may differ.</translation>
    </message>
    <message>
        <source>绕组</source>
        <translation>Windings</translation>
    </message>
    <message>
        <source>绕制图（按比例）</source>
        <translation>Coil drawing (to scale)</translation>
    </message>
    <message>
        <source>负载曲线</source>
        <translation>Load curves</translation>
    </message>
    <message>
        <source>按满载电压定匝数</source>
        <translation>Turns for the full-load voltage</translation>
    </message>
    <message>
        <source>每个次级取满载电压达到所要电压的最少匝数，而不是主窗口多绕的 5%</source>
        <translation>Each secondary gets the fewest turns whose full-load voltage reaches the voltage asked, instead of the main window&apos;s 5 % more turns</translation>
    </message>
    <message>
        <source>全波和正负整流要用中心抽头：绕制单已设定</source>
        <translation>Full-wave and split rectifiers need a centre tap: the sheet sets it</translation>
    </message>
    <message>
        <source>负载</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Udc（伏）</source>
        <translation>Udc (V)</translation>
    </message>
    <message>
        <source>Idc（安）</source>
        <translation>Idc (A)</translation>
    </message>
    <message>
        <source>C（微法）</source>
        <translation>C (µF)</translation>
    </message>
</context>
<context>
    <name>spulix::WireTableModel</name>
    <message>
        <source>未知</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>spulix::WireWindow</name>
    <message>
        <source>（空）</source>
        <translation>(empty)</translation>
    </message>
    <message>
        <source> 毫米 → 标准线径 %1 毫米</source>
        <translation> mm → standard size %1 mm</translation>
    </message>
    <message>
        <source>：没有对应的标准线径</source>
        <translation>: no standard size</translation>
    </message>
    <message>
        <source>；  </source>
        <translation>;  </translation>
    </message>
    <message>
        <source>直径单位为毫米。圆漆包铜线，标称直径按 IEC 60317 / GB/T 6109（一级漆膜即 QZ-1 薄漆膜，二级即 QZ-2 厚漆膜）。0.71 毫米及以下的外径可信度高，以上为中等；0.53 毫米起的 R40 中间规格未查到外径，以灰色“≤”给出上限（取下一个规格的外径），绕制单也按它计算。</source>
        <translation>Diameters in mm. Round enamelled copper wire, nominal diameters to IEC 60317 / GB/T 6109 (grade 1 is the thin QZ-1 enamel, grade 2 the thick QZ-2). Overall diameters up to 0.71 mm are of high confidence, above of medium; for the R40 intermediate sizes from 0.53 mm no overall diameter was found: a grey &quot;≤&quot; gives a bound (the next size&apos;s), which the winding sheet uses too.</translation>
    </message>
    <message>
        <source>用于 d1</source>
        <translation>Use for d1</translation>
    </message>
    <message>
        <source>用于 d2</source>
        <translation>Use for d2</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
</TS>
