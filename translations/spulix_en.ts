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
    <name>CoefficientTable</name>
    <message>
        <source>变压器功率系数表</source>
        <translation>Transformer power coefficient</translation>
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
        <translation>Input voltage</translation>
    </message>
    <message>
        <source>伏(V)</source>
        <translation>V</translation>
    </message>
    <message>
        <source>输出电压</source>
        <translation>Output voltage</translation>
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
        <translation>Effective window height</translation>
    </message>
    <message>
        <source>h&apos;=0.9*(h-2毫米)</source>
        <translation>h&apos;=0.9*(h-2 mm)</translation>
    </message>
    <message>
        <source>整个线包总厚度</source>
        <translation>Total coil thickness</translation>
    </message>
    <message>
        <source>次级绕组总厚度</source>
        <translation>Secondary thickness</translation>
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
        <translation>Secondary turns/layer</translation>
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
        <translation>Primary turns/layer</translation>
    </message>
    <message>
        <source>外层绝缘:</source>
        <translation>Outer:</translation>
    </message>
    <message>
        <source>层间绝缘:</source>
        <translation>Interlayer:</translation>
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
</context>
<context>
    <name>StackingTable</name>
    <message>
        <source>对话框标题</source>
        <translation>Stacking factor</translation>
    </message>
</context>
</TS>
