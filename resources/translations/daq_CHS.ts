<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>Myconst</name>
    <message>
        <source>Oscilloscope/Spectrum Analyzer</source>
        <comment>65504</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user manual &quot;%1&quot; cannot be opened: %2</source>
        <comment>65518</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid zero adjustment &quot;%1&quot; in the device identity: &apos;%2&apos; is not an integer.</source>
        <comment>65519</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device detected</source>
        <comment>65520</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No device found!</source>
        <comment>65521</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>please choose channel!</source>
        <comment>65522</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait for trigger</source>
        <comment>65523</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trigger is complete</source>
        <comment>65524</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>had been triggered here</source>
        <comment>65525</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No device found, please check it!</source>
        <comment>65526</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration Complete!</source>
        <comment>65528</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input valid voltage!</source>
        <comment>65529</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time  ( s )</source>
        <comment>65530</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time  ( ms )</source>
        <comment>65531</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of Range</source>
        <comment>65532</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save the image?</source>
        <comment>65533</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select sample rate lower!</source>
        <comment>65534</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCalibration</name>
    <message>
        <source>Calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input Voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calibration file &quot;%1&quot; cannot be read (%2). Both channels are used without calibration.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calibration file &quot;%1&quot; is too large to be one (%2). Both channels are used without calibration, and the file is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calibration file &quot;%1&quot; holds values that are no numbers: %2. They are ignored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calibration of CH%1 in &quot;%2&quot; (gain %3, offset %4) cannot give finite readings. CH%1 is used without calibration.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid number (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The points of CH%1 give no usable correction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calibration could not be saved to &quot;%1&quot;: %2. It is in use until the calibration is loaded again (Help &gt; Calibration, or the next start).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Oscilloscope/Spectrum Analyzer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rising edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Falling edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level (V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TRIG OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TRIG ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample Rate (Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sampling Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digital  Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait for trigger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detect Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demo a wave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage Adjustment: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acquisition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>START</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HOLD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demo waveforms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DEMO 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DEMO 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DEMO 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Zoom-In is available at any point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency Domain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH0 Peak Detection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH0  Time / Div</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH0  Volts / Div</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH1 Peak Detection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH1  Time / Div</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH1  Volts / Div</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tool Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Data As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Capture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Capture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulse Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage  ( V )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH0 Waveform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH1 Waveform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency  ( Hz )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amplitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spectrum Analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files(*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the data file &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wav file open error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save the picture &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Screen Capture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pen Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Picker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Larger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save the picture &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save the image?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oscilloscope/Spectrum Analyzer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm8</name>
    <message>
        <source>Distance Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Zoom-In is available at any point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance(mm ):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waveform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time  (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance  ( mm )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrequencySensorFrom</name>
    <message>
        <source>Pulse Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Zoom-In is available at any point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency (bpm):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waveform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time  (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage  ( V )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused: the pulse is read at 64 S/s only</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
