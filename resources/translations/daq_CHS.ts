<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>Myconst</name>
    <message>
        <source>Oscilloscope/Spectrum Analyzer</source>
        <comment>65504</comment>
        <translation>示波器/频谱分析仪</translation>
    </message>
    <message>
        <source>The user manual &quot;%1&quot; cannot be opened: %2</source>
        <comment>65518</comment>
        <translation>无法打开用户手册“%1”：%2</translation>
    </message>
    <message>
        <source>Invalid zero adjustment &quot;%1&quot; in the device identity: &apos;%2&apos; is not an integer.</source>
        <comment>65519</comment>
        <translation>设备标识中的零点调整值“%1”无效：“%2”不是整数。</translation>
    </message>
    <message>
        <source>Device detected</source>
        <comment>65520</comment>
        <translation>已检测到设备</translation>
    </message>
    <message>
        <source>No device found!</source>
        <comment>65521</comment>
        <translation>未找到设备！</translation>
    </message>
    <message>
        <source>please choose channel!</source>
        <comment>65522</comment>
        <translation>请选择通道！</translation>
    </message>
    <message>
        <source>Wait for trigger</source>
        <comment>65523</comment>
        <translation>等待触发</translation>
    </message>
    <message>
        <source>Trigger is complete</source>
        <comment>65524</comment>
        <translation>触发完成</translation>
    </message>
    <message>
        <source>had been triggered here</source>
        <comment>65525</comment>
        <translation>此处已触发</translation>
    </message>
    <message>
        <source>No device found, please check it!</source>
        <comment>65526</comment>
        <translation>未找到设备，请检查设备连接！</translation>
    </message>
    <message>
        <source>Calibration Complete!</source>
        <comment>65528</comment>
        <translation>校准完成！</translation>
    </message>
    <message>
        <source>Please input valid voltage!</source>
        <comment>65529</comment>
        <translation>请输入有效的电压值！</translation>
    </message>
    <message>
        <source>Time  ( s )</source>
        <comment>65530</comment>
        <translation>时间  ( s )</translation>
    </message>
    <message>
        <source>Time  ( ms )</source>
        <comment>65531</comment>
        <translation>时间  ( ms )</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <comment>65532</comment>
        <translation>超出量程</translation>
    </message>
    <message>
        <source>Do you want to save the image?</source>
        <comment>65533</comment>
        <translation>是否保存图片？</translation>
    </message>
    <message>
        <source>Please select sample rate lower!</source>
        <comment>65534</comment>
        <translation>请选择较低的采样率！</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>All pictures (%1)</source>
        <translation>所有图片 (%1)</translation>
    </message>
    <message>
        <source>there is no picture to save</source>
        <translation>没有可保存的图片</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>这是一个文件夹</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>这不是普通文件</translation>
    </message>
    <message>
        <source>no picture format is known for the extension &quot;%1&quot;; use one of: %2</source>
        <translation>不支持扩展名“%1”的图片格式；请使用以下之一：%2</translation>
    </message>
</context>
<context>
    <name>TCalibration</name>
    <message>
        <source>Calibration</source>
        <translation>校准</translation>
    </message>
    <message>
        <source>CH0</source>
        <translation>CH0</translation>
    </message>
    <message>
        <source>Input Voltage</source>
        <translation>输入电压</translation>
    </message>
    <message>
        <source>Output Voltage</source>
        <translation>输出电压</translation>
    </message>
    <message>
        <source>CH1</source>
        <translation>CH1</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>The calibration file &quot;%1&quot; cannot be read (%2). Both channels are used without calibration.</source>
        <translation>无法读取校准文件“%1”（%2）。两个通道均不使用校准。</translation>
    </message>
    <message>
        <source>The calibration file &quot;%1&quot; is too large to be one (%2). Both channels are used without calibration, and the file is left as it is.</source>
        <translation>校准文件“%1”过大，不可能是校准文件（%2）。两个通道均不使用校准，该文件保持原样。</translation>
    </message>
    <message>
        <source>The calibration file &quot;%1&quot; holds values that are no numbers: %2. They are ignored.</source>
        <translation>校准文件“%1”中有不是数字的值：%2。这些值已被忽略。</translation>
    </message>
    <message>
        <source>The calibration of CH%1 in &quot;%2&quot; (gain %3, offset %4) cannot give finite readings. CH%1 is used without calibration.</source>
        <translation>“%2”中 CH%1 的校准（增益 %3，偏移 %4）无法得到有限的读数。CH%1 不使用校准。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid number (%2).</source>
        <translation>“%1”不是有效的数字（%2）。</translation>
    </message>
    <message>
        <source>The points of CH%1 give no usable correction.</source>
        <translation>由 CH%1 的校准点得不到可用的校正。</translation>
    </message>
    <message>
        <source>The calibration could not be saved to &quot;%1&quot;: %2. It is in use until the calibration is loaded again (Help &gt; Calibration, or the next start).</source>
        <translation>无法将校准保存到“%1”：%2。在重新加载校准（帮助 &gt; 校准，或下次启动）之前，此校准仍然生效。</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Oscilloscope/Spectrum Analyzer</source>
        <translation>示波器/频谱分析仪</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>CH0</source>
        <translation>CH0</translation>
    </message>
    <message>
        <source>CH1</source>
        <translation>CH1</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>触发设置</translation>
    </message>
    <message>
        <source>Edge</source>
        <translation>边沿</translation>
    </message>
    <message>
        <source>Rising edge</source>
        <translation>上升沿</translation>
    </message>
    <message>
        <source>Falling edge</source>
        <translation>下降沿</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Level (V)</source>
        <translation>电平 (V)</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>信源</translation>
    </message>
    <message>
        <source>TRIG OFF</source>
        <translation>触发关</translation>
    </message>
    <message>
        <source>TRIG ON</source>
        <translation>触发开</translation>
    </message>
    <message>
        <source>Sample Rate (Hz)</source>
        <translation>采样率 (Hz)</translation>
    </message>
    <message>
        <source>Sampling Frequency</source>
        <translation>采样频率</translation>
    </message>
    <message>
        <source>Signal Length</source>
        <translation>信号长度</translation>
    </message>
    <message>
        <source>Sample Time</source>
        <translation>采样周期</translation>
    </message>
    <message>
        <source>Digital  Output</source>
        <translation>数字输出</translation>
    </message>
    <message>
        <source>Wait for trigger</source>
        <translation>等待触发</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Detect Device</source>
        <translation>检测设备</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Demo a wave</source>
        <translation>演示波形</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>演示</translation>
    </message>
    <message>
        <source>Voltage Adjustment: </source>
        <translation>电压调整： </translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Acquisition</source>
        <translation>采集</translation>
    </message>
    <message>
        <source>START</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>HOLD</source>
        <translation>保持</translation>
    </message>
    <message>
        <source>Demo waveforms</source>
        <translation>演示波形</translation>
    </message>
    <message>
        <source>DEMO 1</source>
        <translation>演示 1</translation>
    </message>
    <message>
        <source>DEMO 2</source>
        <translation>演示 2</translation>
    </message>
    <message>
        <source>DEMO 3</source>
        <translation>演示 3</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>* Zoom-In is available at any point</source>
        <translation>* 可在任意位置放大</translation>
    </message>
    <message>
        <source>Frequency Domain</source>
        <translation>频域</translation>
    </message>
    <message>
        <source>CH0 Peak Detection</source>
        <translation>CH0 峰值检测</translation>
    </message>
    <message>
        <source>CH0  Time / Div</source>
        <translation>CH0  时间/格</translation>
    </message>
    <message>
        <source>CH0  Volts / Div</source>
        <translation>CH0  伏/格</translation>
    </message>
    <message>
        <source>CH1 Peak Detection</source>
        <translation>CH1 峰值检测</translation>
    </message>
    <message>
        <source>CH1  Time / Div</source>
        <translation>CH1  时间/格</translation>
    </message>
    <message>
        <source>CH1  Volts / Div</source>
        <translation>CH1  伏/格</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>截图</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>传感器</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Tool Bar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>图片另存为</translation>
    </message>
    <message>
        <source>Save Data As</source>
        <translation>数据另存为</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Edit Capture</source>
        <translation>编辑截图</translation>
    </message>
    <message>
        <source>Save Capture</source>
        <translation>保存截图</translation>
    </message>
    <message>
        <source>User Manual</source>
        <translation>用户手册</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>关于...</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>校准</translation>
    </message>
    <message>
        <source>Distance Sensor</source>
        <translation>距离传感器</translation>
    </message>
    <message>
        <source>Pulse Sensor</source>
        <translation>脉搏传感器</translation>
    </message>
    <message>
        <source>Sound Sensor</source>
        <translation>声音传感器</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Voltage  ( V )</source>
        <translation>电压  ( V )</translation>
    </message>
    <message>
        <source>CH0 Waveform</source>
        <translation>CH0 波形</translation>
    </message>
    <message>
        <source>CH1 Waveform</source>
        <translation>CH1 波形</translation>
    </message>
    <message>
        <source>Frequency  ( Hz )</source>
        <translation>频率  ( Hz )</translation>
    </message>
    <message>
        <source>Amplitude</source>
        <translation>幅值</translation>
    </message>
    <message>
        <source>Spectrum Analysis</source>
        <translation>频谱分析</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Text files(*.txt)</source>
        <translation>文本文件(*.txt)</translation>
    </message>
    <message>
        <source>Cannot write the data file &quot;%1&quot;: %2</source>
        <translation>无法写入数据文件“%1”：%2</translation>
    </message>
    <message>
        <source>wav file open error</source>
        <translation>无法打开 WAV 文件</translation>
    </message>
    <message>
        <source>Cannot save the picture &quot;%1&quot;: %2</source>
        <translation>无法保存图片“%1”：%2</translation>
    </message>
    <message>
        <source>no program on this computer opens .docx documents.</source>
        <translation>本机没有可以打开 .docx 文档的程序。</translation>
    </message>
    <message>
        <source>it is neither beside the program, nor in its data folder, nor in the current folder.</source>
        <translation>程序所在文件夹、其数据文件夹和当前文件夹中都没有该文件。</translation>
    </message>
    <message>
        <source>there are no samples to save</source>
        <translation>没有可保存的采样数据</translation>
    </message>
    <message>
        <source>sigrok session (*.sr)</source>
        <translation>sigrok 会话文件 (*.sr)</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>测量</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>周期</translation>
    </message>
    <message>
        <source>Vpp</source>
        <translation>峰峰值</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>最大值</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>最小值</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>平均值</translation>
    </message>
    <message>
        <source>RMS</source>
        <translation>有效值</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Screen Capture</source>
        <translation>屏幕截图</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>图片另存为</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>直线</translation>
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
        <source>Eraser</source>
        <translation>橡皮擦</translation>
    </message>
    <message>
        <source>Pen Size</source>
        <translation>画笔粗细</translation>
    </message>
    <message>
        <source>Color Picker</source>
        <translation>选择颜色</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>字号</translation>
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
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>细</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>粗</translation>
    </message>
    <message>
        <source>Cannot save the picture &quot;%1&quot;: %2</source>
        <translation>无法保存图片“%1”：%2</translation>
    </message>
    <message>
        <source>Do you want to save the image?</source>
        <translation>是否保存图片？</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Oscilloscope/Spectrum Analyzer</source>
        <translation>示波器/频谱分析仪</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TForm8</name>
    <message>
        <source>Distance Sensor</source>
        <translation>距离传感器</translation>
    </message>
    <message>
        <source>* Zoom-In is available at any point</source>
        <translation>* 可在任意位置放大</translation>
    </message>
    <message>
        <source>Distance(mm ):</source>
        <translation>距离(mm)：</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>超出量程</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Waveform</source>
        <translation>波形</translation>
    </message>
    <message>
        <source>Time  (s)</source>
        <translation>时间  (s)</translation>
    </message>
    <message>
        <source>Distance  ( mm )</source>
        <translation>距离  ( mm )</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>超出量程</translation>
    </message>
</context>
<context>
    <name>TFrequencySensorFrom</name>
    <message>
        <source>Pulse Sensor</source>
        <translation>脉搏传感器</translation>
    </message>
    <message>
        <source>* Zoom-In is available at any point</source>
        <translation>* 可在任意位置放大</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>通道：</translation>
    </message>
    <message>
        <source>CH0</source>
        <translation>CH0</translation>
    </message>
    <message>
        <source>Frequency (bpm):</source>
        <translation>脉搏频率 (bpm)：</translation>
    </message>
    <message>
        <source>Waveform</source>
        <translation>波形</translation>
    </message>
    <message>
        <source>Time  (s)</source>
        <translation>时间  (s)</translation>
    </message>
    <message>
        <source>Voltage  ( V )</source>
        <translation>电压  ( V )</translation>
    </message>
    <message>
        <source>Paused: the pulse is read at 64 S/s only</source>
        <translation>已暂停：脉搏仅在 64 S/s 采样率下读取</translation>
    </message>
</context>
</TS>
