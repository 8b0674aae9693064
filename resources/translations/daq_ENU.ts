<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>Myconst</name>
    <message>
        <source>Oscilloscope/Spectrum Analyzer</source>
        <comment>65504</comment>
        <translation>Oscilloscope/Spectrum Analyzer</translation>
    </message>
    <message>
        <source>The user manual "%1" cannot be opened: %2</source>
        <comment>65518</comment>
        <translation>The user manual "%1" cannot be opened: %2</translation>
    </message>
    <message>
        <source>Invalid zero adjustment "%1" in the device identity: '%2' is not an integer.</source>
        <comment>65519</comment>
        <translation>Invalid zero adjustment "%1" in the device identity: '%2' is not an integer.</translation>
    </message>
    <message>
        <source>Device detected</source>
        <comment>65520</comment>
        <translation>Device detected</translation>
    </message>
    <message>
        <source>No device found!</source>
        <comment>65521</comment>
        <translation>No device found!</translation>
    </message>
    <message>
        <source>please choose channel!</source>
        <comment>65522</comment>
        <translation>please choose channel!</translation>
    </message>
    <message>
        <source>Wait for trigger</source>
        <comment>65523</comment>
        <translation>Wait for trigger</translation>
    </message>
    <message>
        <source>Trigger is complete</source>
        <comment>65524</comment>
        <translation>Trigger is complete</translation>
    </message>
    <message>
        <source>had been triggered here</source>
        <comment>65525</comment>
        <translation>had been triggered here</translation>
    </message>
    <message>
        <source>No device found, please check it!</source>
        <comment>65526</comment>
        <translation>No device found, please check it!</translation>
    </message>
    <message>
        <source>Calibration Complete!</source>
        <comment>65528</comment>
        <translation>Calibration Complete!</translation>
    </message>
    <message>
        <source>Please input valid voltage!</source>
        <comment>65529</comment>
        <translation>Please input valid voltage!</translation>
    </message>
    <message>
        <source>Time  ( s )</source>
        <comment>65530</comment>
        <translation>Time  ( s )</translation>
    </message>
    <message>
        <source>Time  ( ms )</source>
        <comment>65531</comment>
        <translation>Time  ( ms )</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <comment>65532</comment>
        <translation>Out of Range</translation>
    </message>
    <message>
        <source>Do you want to save the image?</source>
        <comment>65533</comment>
        <translation>Do you want to save the image?</translation>
    </message>
    <message>
        <source>Please select sample rate lower!</source>
        <comment>65534</comment>
        <translation>Please select sample rate lower!</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>All pictures (%1)</source>
        <translation>All pictures (%1)</translation>
    </message>
    <message>
        <source>there is no picture to save</source>
        <translation>there is no picture to save</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>no picture format is known for the extension "%1"; use one of: %2</source>
        <translation>no picture format is known for the extension "%1"; use one of: %2</translation>
    </message>
</context>
<context>
    <name>TCalibration</name>
    <message>
        <source>Calibration</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>CH0</source>
        <translation>CH0</translation>
    </message>
    <message>
        <source>Input Voltage</source>
        <translation>Input Voltage</translation>
    </message>
    <message>
        <source>Output Voltage</source>
        <translation>Output Voltage</translation>
    </message>
    <message>
        <source>CH1</source>
        <translation>CH1</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>The calibration file "%1" cannot be read (%2). Both channels are used without calibration.</source>
        <translation>The calibration file "%1" cannot be read (%2). Both channels are used without calibration.</translation>
    </message>
    <message>
        <source>The calibration file "%1" is too large to be one (%2). Both channels are used without calibration, and the file is left as it is.</source>
        <translation>The calibration file "%1" is too large to be one (%2). Both channels are used without calibration, and the file is left as it is.</translation>
    </message>
    <message>
        <source>The calibration file "%1" holds values that are no numbers: %2. They are ignored.</source>
        <translation>The calibration file "%1" holds values that are no numbers: %2. They are ignored.</translation>
    </message>
    <message>
        <source>The calibration of CH%1 in "%2" (gain %3, offset %4) cannot give finite readings. CH%1 is used without calibration.</source>
        <translation>The calibration of CH%1 in "%2" (gain %3, offset %4) cannot give finite readings. CH%1 is used without calibration.</translation>
    </message>
    <message>
        <source>"%1" is not a valid number (%2).</source>
        <translation>"%1" is not a valid number (%2).</translation>
    </message>
    <message>
        <source>The points of CH%1 give no usable correction.</source>
        <translation>The points of CH%1 give no usable correction.</translation>
    </message>
    <message>
        <source>The calibration could not be saved to "%1": %2. It is in use until the calibration is loaded again (Help &gt; Calibration, or the next start).</source>
        <translation>The calibration could not be saved to "%1": %2. It is in use until the calibration is loaded again (Help &gt; Calibration, or the next start).</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Oscilloscope/Spectrum Analyzer</source>
        <translation>Oscilloscope/Spectrum Analyzer</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Channels</translation>
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
        <translation>Trigger Setting</translation>
    </message>
    <message>
        <source>Edge</source>
        <translation>Edge</translation>
    </message>
    <message>
        <source>Rising edge</source>
        <translation>Rising edge</translation>
    </message>
    <message>
        <source>Falling edge</source>
        <translation>Falling edge</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Level (V)</source>
        <translation>Level (V)</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>TRIG OFF</source>
        <translation>TRIG OFF</translation>
    </message>
    <message>
        <source>TRIG ON</source>
        <translation>TRIG ON</translation>
    </message>
    <message>
        <source>Sample Rate (Hz)</source>
        <translation>Sample Rate (Hz)</translation>
    </message>
    <message>
        <source>Sampling Frequency</source>
        <translation>Sampling Frequency</translation>
    </message>
    <message>
        <source>Signal Length</source>
        <translation>Signal Length</translation>
    </message>
    <message>
        <source>Sample Time</source>
        <translation>Sample Time</translation>
    </message>
    <message>
        <source>Digital  Output</source>
        <translation>Digital  Output</translation>
    </message>
    <message>
        <source>Wait for trigger</source>
        <translation>Wait for trigger</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Detect Device</source>
        <translation>Detect Device</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Demo a wave</source>
        <translation>Demo a wave</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Demo</translation>
    </message>
    <message>
        <source>Voltage Adjustment: </source>
        <translation>Voltage Adjustment: </translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Acquisition</source>
        <translation>Acquisition</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>HOLD</source>
        <translation>HOLD</translation>
    </message>
    <message>
        <source>Demo waveforms</source>
        <translation>Demo waveforms</translation>
    </message>
    <message>
        <source>DEMO 1</source>
        <translation>DEMO 1</translation>
    </message>
    <message>
        <source>DEMO 2</source>
        <translation>DEMO 2</translation>
    </message>
    <message>
        <source>DEMO 3</source>
        <translation>DEMO 3</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>CLEAR</translation>
    </message>
    <message>
        <source>* Zoom-In is available at any point</source>
        <translation>* Zoom-In is available at any point</translation>
    </message>
    <message>
        <source>Frequency Domain</source>
        <translation>Frequency Domain</translation>
    </message>
    <message>
        <source>CH0 Peak Detection</source>
        <translation>CH0 Peak Detection</translation>
    </message>
    <message>
        <source>CH0  Time / Div</source>
        <translation>CH0  Time / Div</translation>
    </message>
    <message>
        <source>CH0  Volts / Div</source>
        <translation>CH0  Volts / Div</translation>
    </message>
    <message>
        <source>CH1 Peak Detection</source>
        <translation>CH1 Peak Detection</translation>
    </message>
    <message>
        <source>CH1  Time / Div</source>
        <translation>CH1  Time / Div</translation>
    </message>
    <message>
        <source>CH1  Volts / Div</source>
        <translation>CH1  Volts / Div</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Tool Bar</source>
        <translation>Tool Bar</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Save Picture As</translation>
    </message>
    <message>
        <source>Save Data As</source>
        <translation>Save Data As</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Edit Capture</source>
        <translation>Edit Capture</translation>
    </message>
    <message>
        <source>Save Capture</source>
        <translation>Save Capture</translation>
    </message>
    <message>
        <source>User Manual</source>
        <translation>User Manual</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Distance Sensor</source>
        <translation>Distance Sensor</translation>
    </message>
    <message>
        <source>Pulse Sensor</source>
        <translation>Pulse Sensor</translation>
    </message>
    <message>
        <source>Sound Sensor</source>
        <translation>Sound Sensor</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Voltage  ( V )</source>
        <translation>Voltage  ( V )</translation>
    </message>
    <message>
        <source>CH0 Waveform</source>
        <translation>CH0 Waveform</translation>
    </message>
    <message>
        <source>CH1 Waveform</source>
        <translation>CH1 Waveform</translation>
    </message>
    <message>
        <source>Frequency  ( Hz )</source>
        <translation>Frequency  ( Hz )</translation>
    </message>
    <message>
        <source>Amplitude</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>Spectrum Analysis</source>
        <translation>Spectrum Analysis</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Text files(*.txt)</source>
        <translation>Text files(*.txt)</translation>
    </message>
    <message>
        <source>Cannot write the data file "%1": %2</source>
        <translation>Cannot write the data file "%1": %2</translation>
    </message>
    <message>
        <source>wav file open error</source>
        <translation>wav file open error</translation>
    </message>
    <message>
        <source>Cannot save the picture "%1": %2</source>
        <translation>Cannot save the picture "%1": %2</translation>
    </message>
    <message>
        <source>no program on this computer opens .docx documents.</source>
        <translation>no program on this computer opens .docx documents.</translation>
    </message>
    <message>
        <source>it is neither beside the program, nor in its data folder, nor in the current folder.</source>
        <translation>it is neither beside the program, nor in its data folder, nor in the current folder.</translation>
    </message>
    <message>
        <source>there are no samples to save</source>
        <translation>there are no samples to save</translation>
    </message>
    <message>
        <source>sigrok session (*.sr)</source>
        <translation>sigrok session (*.sr)</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Measurements</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>Vpp</source>
        <translation>Vpp</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>RMS</source>
        <translation>RMS</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Screen Capture</source>
        <translation>Screen Capture</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Save Picture As</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Eraser</translation>
    </message>
    <message>
        <source>Pen Size</source>
        <translation>Pen Size</translation>
    </message>
    <message>
        <source>Color Picker</source>
        <translation>Color Picker</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Font Size</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Small</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Larger</translation>
    </message>
    <message>
        <source>Cannot save the picture "%1": %2</source>
        <translation>Cannot save the picture "%1": %2</translation>
    </message>
    <message>
        <source>Do you want to save the image?</source>
        <translation>Do you want to save the image?</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Oscilloscope/Spectrum Analyzer</source>
        <translation>Oscilloscope/Spectrum Analyzer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TForm8</name>
    <message>
        <source>Distance Sensor</source>
        <translation>Distance Sensor</translation>
    </message>
    <message>
        <source>* Zoom-In is available at any point</source>
        <translation>* Zoom-In is available at any point</translation>
    </message>
    <message>
        <source>Distance(mm ):</source>
        <translation>Distance(mm ):</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>out of range</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Waveform</source>
        <translation>Waveform</translation>
    </message>
    <message>
        <source>Time  (s)</source>
        <translation>Time  (s)</translation>
    </message>
    <message>
        <source>Distance  ( mm )</source>
        <translation>Distance  ( mm )</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>Out of Range</translation>
    </message>
</context>
<context>
    <name>TFrequencySensorFrom</name>
    <message>
        <source>Pulse Sensor</source>
        <translation>Pulse Sensor</translation>
    </message>
    <message>
        <source>* Zoom-In is available at any point</source>
        <translation>* Zoom-In is available at any point</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Channel:</translation>
    </message>
    <message>
        <source>CH0</source>
        <translation>CH0</translation>
    </message>
    <message>
        <source>Frequency (bpm):</source>
        <translation>Frequency (bpm):</translation>
    </message>
    <message>
        <source>Waveform</source>
        <translation>Waveform</translation>
    </message>
    <message>
        <source>Time  (s)</source>
        <translation>Time  (s)</translation>
    </message>
    <message>
        <source>Voltage  ( V )</source>
        <translation>Voltage  ( V )</translation>
    </message>
    <message>
        <source>Paused: the pulse is read at 64 S/s only</source>
        <translation>Paused: the pulse is read at 64 S/s only</translation>
    </message>
</context>
</TS>
