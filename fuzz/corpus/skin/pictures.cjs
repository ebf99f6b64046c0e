* { background: url(pic/face.png); border-image: url("pic/huge.png") 3 3 3 3; }
QLabel#lblStatus { font: bold 12px "DejaVu Sans"; margin: -4px; } /* url(pic/pipe.png) */
QPushButton:hover { image: url(pic/out.png); min-width: 200px }
