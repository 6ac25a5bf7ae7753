// The windows' layout in twips, as the desktop window has it; 15 twips are one CSS pixel.
export const px = (twips) => `${twips / 15}px`;

// The client area below the menu bar.
export const kClient = { width: 5625, height: 6735 };

export const kCellLefts = [120, 705, 1290, 1920, 2505, 3090, 3720, 4305, 4890];
export const kCellTops = [1320, 1905, 2490, 3120, 3705, 4290, 4920, 5505, 6090];
export const kCellSize = 600;
export const kHelpLefts = [5805, 6090, 6375, 6675, 6960, 7245, 7545, 7830, 8115];
export const kHelpTops = [1275, 1560, 1845, 2145, 2430, 2715, 3015, 3300, 3585];

// name: [left, top, width, height]
export const kMain = {
  Frame1: [0, 0, 2175, 1215],
  Label2_0: [210, 270, 1755, 210],
  Label3: [240, 540, 855, 285],
  Label4: [240, 840, 960, 210],
  txtShow: [1320, 480, 255, 315],
  btnPlus: [1320, 840, 255, 285],
  btnGO: [2355, 0, 1560, 630],
  btnLoesung: [4035, 0, 1575, 630],
  BtnZur: [4545, 660, 960, 630],
  Label5: [2520, 960, 855, 375],
  optLevel: [3360, 840, 1110, 225], // each next option 240 twips lower
  Frame2: [60, 1305, 5415, 5385],
  Label1: [240, 4920, 4935, 390],
  Shape1: [5760, 1230, 2700, 2700],
  lblFrei: [5805, 4065, 1350, 225],
};

export const kSplash = {
  size: [7380, 4245],
  Frame1: [150, 60, 7080, 4050],
  lblCompanyProduct: [1080, 120, 4080, 435],
  lblProductName: [1080, 600, 3075, 615],
  lblPlatform: [1080, 1200, 5865, 285],
  lblVersion: [5595, 2250, 1275, 285],
  imgLogo: [120, 1680, 4815, 915],
  lblCopyright: [4560, 2715, 2415, 255],
  lblCompany: [4575, 2970, 1485, 930],
  Label1: [840, 3120, 3255, 855],
};
